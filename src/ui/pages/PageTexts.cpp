#include "PageTexts.h"

#include "SettingsFile.h"

PageTexts::PageTexts(QString settingsFile, QString section)
    : m_settingsFile(std::move(settingsFile)), m_section(std::move(section))
{
}

QString PageTexts::read(const QString& key, const QString& defaultText) const
{
    return ReadSetting(m_settingsFile, m_section, key, defaultText);
}

QString PageTexts::twoDigits(int n)
{
    return (QStringLiteral("00") + QString::number(n)).right(2);
}

QString PageTexts::partKey(int part, const QString& name)
{
    return QStringLiteral("Part") + twoDigits(part) + QLatin1Char('.') + name;
}
