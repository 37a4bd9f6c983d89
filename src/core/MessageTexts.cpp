#include "MessageTexts.h"

#include "SettingsFile.h"

MessageTexts::MessageTexts(QString settingsFile, QString language)
    : m_settingsFile(std::move(settingsFile)), m_language(std::move(language))
{
}

QString MessageTexts::get(const QString& key)
{
    return get(key, key);
}

QString MessageTexts::get(const QString& key, const QString& defaultText)
{
    const auto cached = m_cache.constFind(key);
    if (cached != m_cache.constEnd())
        return *cached;
    const QString text = ReadSetting(m_settingsFile, section(), key, defaultText);
    m_cache.insert(key, text);
    return text;
}

QString MessageTexts::section() const
{
    return QStringLiteral("Messages_") + m_language;
}
