#include "AppLog.h"

#include "Clock.h"
#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

const QString kDateToken = QStringLiteral("$DATE$");
const QString kCrLf = QStringLiteral("\r\n");

constexpr std::array<const char*, 7> kGermanWeekdays = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
constexpr std::array<const char*, 7> kEnglishWeekdays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

QString isoDate(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

// Names that already say where they live are kept; any other goes into the
// program folder.
bool isRootedName(const QString& name)
{
#ifdef Q_OS_WIN
    return name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/')) ||
           name.contains(QLatin1Char(':'));
#else
    return QDir::isAbsolutePath(name);
#endif
}

// The first "&" takes the step number, each further one the error description;
// inserted texts are not searched again.
QString fillErrorText(const QString& errorText, int step, const QString& description)
{
    QString result;
    bool first = true;
    for (QChar c : errorText) {
        if (c == QLatin1Char('&')) {
            result += first ? QString::number(step) : description;
            first = false;
        } else {
            result += c;
        }
    }
    return result;
}

// "YYYY-MM-DD" as the number YYYYMMDD, or 0 when it is no valid date.
int dateNumber(const QString& text)
{
    if (text.size() != 10)
        return 0;
    const QString digits = text.mid(0, 4) + text.mid(5, 2) + text.mid(8, 2);
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    const int number = digits.toInt();
    if (!QDate(number / 10000, number / 100 % 100, number % 100).isValid())
        return 0;
    return number;
}

} // namespace

AppLog::AppLog(const Clock& clock, QString programFolder, QString programFileName, bool germanWeekdays)
    : m_clock(clock), m_programFolder(std::move(programFolder)),
      m_programFileName(std::move(programFileName)), m_germanWeekdays(germanWeekdays)
{
}

void AppLog::OpenLog(const std::optional<QString>& fileName, TextSink* textControl,
                     std::optional<int> maxLogFileAge, std::optional<bool> toFileDisabled,
                     std::optional<bool> toScreenDisabled, const std::optional<QString>& errorText)
{
    if (fileName)
        setFileName(*fileName);
    else if (m_template.isEmpty())
        setFileName({});
    if (textControl)
        m_textControl = textControl;
    if (toFileDisabled)
        m_toFileDisabled = *toFileDisabled;
    if (toScreenDisabled)
        m_toScreenDisabled = *toScreenDisabled;
    if (errorText)
        m_errorText = *errorText;
    WriteLog(QStringLiteral("*"));
    if (maxLogFileAge)
        m_maxLogFileAge = *maxLogFileAge;
}

void AppLog::CloseLog()
{
    if (m_maxLogFileAge > 0)
        deleteExpiredFiles();
    WriteLog(QString());
}

void AppLog::setFileName(const QString& fileName)
{
    QString name = fileName.isEmpty()
                       ? m_programFileName + QLatin1Char('-') + kDateToken + QStringLiteral(".Log")
                       : fileName;
    if (!isRootedName(name))
        name = m_programFolder + QLatin1Char('/') + name;
    m_template = QDir::toNativeSeparators(name);
    m_fileName = templateHasDate() ? datedName(m_clock.now().date()) : m_template;
}

QString AppLog::stamp(const QDateTime& moment) const
{
    const auto& names = m_germanWeekdays ? kGermanWeekdays : kEnglishWeekdays;
    const int weekday = moment.date().dayOfWeek();
    const QString day = weekday >= 1 && weekday <= 7 ? QLatin1String(names[weekday - 1]) : QString();
    return day + moment.toString(QStringLiteral("  dd.MM.yyyy  HH:mm:ss "));
}

bool AppLog::templateHasDate() const
{
    return m_template.contains(kDateToken, Qt::CaseInsensitive);
}

QString AppLog::datedName(const QDate& day) const
{
    return QString(m_template).replace(kDateToken, isoDate(day), Qt::CaseInsensitive);
}

void AppLog::WriteLog(const QString& txt, bool toLog, bool toScreen, quint32 color)
{
    if (m_toFileDisabled)
        toLog = false;
    if (m_toScreenDisabled)
        toScreen = false;
    const QDateTime now = m_clock.now();
    const QString stampText = stamp(now);
    if (!toLog) {
        if (txt.size() > 1 && toScreen)
            WriteProto(stampText + QStringLiteral("  ") + txt, color);
        return;
    }
    // After midnight the dated name points to the new day's file.
    if (templateHasDate() && !m_fileName.contains(isoDate(now.date())))
        m_fileName = datedName(now.date());
    appendToFile(txt, stampText, toScreen, color);
}

void AppLog::appendToFile(const QString& txt, const QString& stampText, bool toScreen, quint32 color)
{
    QString text = txt;
    QString lines;
    int step = 3; // of the start line; 4 a text line, 5 the end line
    if (txt.size() == 1) {
        lines = stampText + QStringLiteral("***** Start *****") + kCrLf;
    } else if (txt.size() > 1) {
        step = 4;
        if (text.endsWith(QLatin1Char('\r')))
            text += QLatin1Char('\n');
        lines = stampText + QStringLiteral(">  ") + text + kCrLf;
    } else {
        step = 5;
        lines = stampText + QStringLiteral("***** End   *****") + kCrLf + kCrLf + kCrLf;
    }

    QFile file(m_fileName);
    const QByteArray bytes = Cp1252::encode(lines);
    int failedStep = 0;
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        failedStep = 2;
    else if (file.write(bytes) != bytes.size() || !file.flush())
        failedStep = step;
    // A failed flush leaves the file's own text at "Unknown error"; the system's
    // reason is in errno right after the step that failed.
    const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
    file.close();
    if (failedStep == 0 && file.error() != QFileDevice::NoError)
        failedStep = 7;

    // The screen gets every text, whether the file took it or not.
    if (step == 4 && toScreen)
        WriteProto(stampText + QStringLiteral("  ") + text, color);
    if (failedStep == 0) {
        m_failureShown = false;
        return;
    }
    // Once, not after every line, until the file takes a line again.
    if (!m_failureShown)
        WriteProto(fillErrorText(m_errorText, failedStep, reason), 255);
    m_failureShown = true;
}

void AppLog::WriteProto(const QString& txt, quint32 color)
{
    if (m_toScreenDisabled || !m_textControl)
        return;
    m_textControl->appendLine(txt, color);
}

void AppLog::deleteExpiredFiles()
{
    if (m_toFileDisabled || !templateHasDate())
        return;
    const QDate limitDay = m_clock.now().date().addDays(-m_maxLogFileAge);
    const int limit = limitDay.year() * 10000 + limitDay.month() * 100 + limitDay.day();

    const qsizetype folderEnd =
        std::max(m_template.lastIndexOf(QLatin1Char('/')), m_template.lastIndexOf(QLatin1Char('\\'))) + 1;
    const QString folder = m_template.left(folderEnd);
    const qsizetype datePos = m_template.indexOf(kDateToken, 0, Qt::CaseInsensitive);
    // A date in the folder part cannot be matched by a file listing.
    if (datePos < folderEnd)
        return;
    const QString pattern =
        m_template.mid(folderEnd).replace(kDateToken, QStringLiteral("*"), Qt::CaseInsensitive);

    QStringList candidates;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name)) {
        const int date = dateNumber((folder + name).mid(datePos, 10));
        if (date != 0 && limit >= date)
            candidates.append(folder + name);
    }
    if (candidates.isEmpty())
        return;
    WriteLog(
        QStringLiteral("Logs älter als %1 Tage gelöscht (%2)").arg(m_maxLogFileAge).arg(candidates.size()));
    for (const QString& path : candidates)
        QFile::remove(path);
}
