#pragma once

#include <QHash>
#include <QString>

// Message texts by key from section "Messages_" + language of the settings file.
// A text is looked up on first use and kept for the run.
class MessageTexts
{
public:
    MessageTexts(QString settingsFile, QString language);

    // The text, or the key itself when the file has none.
    QString get(const QString& key);
    QString get(const QString& key, const QString& defaultText);

    QString section() const;
    const QString& language() const { return m_language; }
    const QString& settingsFile() const { return m_settingsFile; }

private:
    QString m_settingsFile;
    QString m_language;
    QHash<QString, QString> m_cache;
};
