#pragma once

#include <QHash>
#include <QString>

// Message texts by key from section "Messages_" + language of the settings file.
// A text is looked up on first use and kept for the run, so a text changed in the
// file takes effect after a restart.
//
// Convention: write every lookup with the key as a literal in this exact form,
//     ctx.messages.get(QStringLiteral("Comm_OpenPort_Err"))
// (also with a default as second argument). A test scans the sources for
// `.get(QStringLiteral("...")` and fails when the bundled settings file has no
// German or English text for a key found that way. Keys built at run time (the
// toolbar tooltips "Menu_" + name + ".ToolTip") are listed in that test.
class MessageTexts
{
public:
    MessageTexts(QString settingsFile, QString language);
    Q_DISABLE_COPY(MessageTexts)

    // The text, or the key itself when the file has none.
    QString get(const QString& key);
    // The text, or defaultText when the file has none. The first lookup of a key
    // decides its text for the run.
    QString get(const QString& key, const QString& defaultText);

    QString section() const;
    const QString& language() const { return m_language; }
    const QString& settingsFile() const { return m_settingsFile; }

private:
    QString m_settingsFile;
    QString m_language;
    QHash<QString, QString> m_cache;
};
