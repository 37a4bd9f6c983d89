#pragma once

#include <QDateTime>
#include <QString>
#include <QString>

class Clock;

// The screen target of the log: the protocol window's text view implements it.
// Colours are 0x00BBGGRR values; 255 is red.
class TextSink
{
public:
    virtual ~TextSink() = default;
    virtual void appendLine(const QString& text, quint32 color) = 0;
};

// Appends time-stamped lines to a log file and mirrors them to a text sink.
// A "$DATE$" token in the file name is replaced by today's date, and writing
// rolls over to the new day's file after midnight.
class AppLog
{
public:
    AppLog(const Clock& clock, QString programFolder, QString programFileName, bool germanWeekdays);

    void OpenLog(const QString& fileName, TextSink* textControl, int maxLogFileAge, bool toFileDisabled,
                 bool toScreenDisabled, const QString& errorText);
    void CloseLog();
    void WriteLog(const QString& txt, bool toLog = true, bool toScreen = true, quint32 color = 0);
    void WriteProto(const QString& txt, quint32 color = 0);

    void setTextControl(TextSink* sink) { m_textControl = sink; }
    void setFileName(const QString& fileName);
    QString fileName() const { return m_fileName; }
    QString errorText() const { return m_errorText; }
    void setErrorText(const QString& errText) { m_errorText = errText; }
    int maxLogFileAge() const { return m_maxLogFileAge; }
    void setMaxLogFileAge(int numDays) { m_maxLogFileAge = numDays; }
    bool toFileDisabled() const { return m_toFileDisabled; }
    void setToFileDisabled(bool flag) { m_toFileDisabled = flag; }
    bool toScreenDisabled() const { return m_toScreenDisabled; }
    void setToScreenDisabled(bool flag) { m_toScreenDisabled = flag; }

    // "DDD  DD.MM.YYYY  HH:MM:SS " for the given moment.
    QString stamp(const QDateTime& moment) const;

private:
    void deleteExpiredFiles();

    const Clock& m_clock;
    QString m_programFolder;
    QString m_programFileName;
    bool m_germanWeekdays;
    TextSink* m_textControl = nullptr;
    QString m_fileName;
    QString m_template;
    int m_maxLogFileAge = 90;
    bool m_toFileDisabled = false;
    bool m_toScreenDisabled = false;
    QString m_errorText = QStringLiteral("Fehler & beim Schreiben des Logs (&)");
};
