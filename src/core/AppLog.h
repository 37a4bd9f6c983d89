#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

class Clock;

// The screen target of the log: the protocol window's text view implements it.
// Colours are 0x00BBGGRR values; 255 is red. The view bounds its text
// (AppendProtocolLine / OldestLinesToDrop of BoundedText.h), keeps the newest
// line visible and lets pending window events run.
class TextSink
{
public:
    virtual ~TextSink() = default;
    virtual void appendLine(const QString& text, quint32 color) = 0;
};

// Appends time-stamped lines to a log file and mirrors them to a text sink.
// A "$DATE$" token in the file name is replaced by today's date, and writing
// rolls over to the new day's file after midnight. The file is opened and closed
// for every line, so other programs can read it at any time; lines are
// Windows-1252 with CR LF. The log never fails towards its caller: a text the
// file cannot take still goes to the screen, and the error text follows it in
// red, once until the file takes a line again.
class AppLog
{
public:
    // germanWeekdays: "Mo", "Di" ... in the stamp, otherwise "Mon", "Tue" ...
    AppLog(const Clock& clock, QString programFolder, QString programFileName, bool germanWeekdays);
    Q_DISABLE_COPY(AppLog)

    // Sets the given properties, writes the start line, then sets maxLogFileAge.
    // Without a file name, and none set before, the log goes to the default
    // "<program folder>/<program file name>-$DATE$.Log".
    void OpenLog(const std::optional<QString>& fileName = {}, TextSink* textControl = nullptr,
                 std::optional<int> maxLogFileAge = {}, std::optional<bool> toFileDisabled = {},
                 std::optional<bool> toScreenDisabled = {}, const std::optional<QString>& errorText = {});
    // Deletes expired dated files (when maxLogFileAge > 0), then writes the end line.
    void CloseLog();
    // One character writes the start line, an empty text the end line and two
    // empty lines, anything longer a text line that is also shown on screen.
    void WriteLog(const QString& txt, bool toLog = true, bool toScreen = true, quint32 color = 0);
    void WriteProto(const QString& txt, quint32 color = 0);

    void setTextControl(TextSink* sink) { m_textControl = sink; }
    // "" gives the default name; a relative name goes into the program folder.
    void setFileName(const QString& fileName);
    QString fileName() const { return m_fileName; }
    QString errorText() const { return m_errorText; }
    // First "&": the failing step number, every further "&": the system's error description.
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
    bool templateHasDate() const;
    QString datedName(const QDate& day) const;
    void appendToFile(const QString& txt, const QString& stampText, bool toScreen, quint32 color);
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
    bool m_failureShown = false;
};
