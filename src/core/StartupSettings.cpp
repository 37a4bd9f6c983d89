#include "StartupSettings.h"

#include "AppSettings.h"
#include "Helpers.h"
#include "ProfileFile.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

const QString kMain = QStringLiteral("Main");

// A whole number that fits 16 bits, as the settings hold counts and sizes.
bool readWholeNumber(const QString& text, int& value)
{
    if (!IsNumeric(text))
        return false;
    const double number = text.trimmed().toDouble();
    if (number != std::floor(number) || number < std::numeric_limits<qint16>::min() ||
        number > std::numeric_limits<qint16>::max())
        return false;
    value = static_cast<int>(number);
    return true;
}

// Faders and name lengths: even, 2 to 16. Negative values are refused as well,
// since the pages and the transfer layout size their rows and fields from them.
bool readEvenUpTo16(const QString& file, const QString& key, const QString& defaultText, qint16& target)
{
    int value = 0;
    if (!readWholeNumber(ReadSetting(file, kMain, key, defaultText), value) || value % 2 != 0 || value < 2 ||
        value > 16)
        return false;
    target = static_cast<qint16>(value);
    return true;
}

bool readFlag(const QString& file, const QString& key, const QString& defaultText)
{
    return IsYes(ReadSetting(file, kMain, key, defaultText));
}

// Five counts "Part01.<kind>" .. "Part05.<kind>"; false when one is not a number
// or their sum exceeds 64.
bool readCounts(const QString& file, const QString& section, const QString& kind,
                const std::array<int, 5>& defaults, std::array<qint16, 5>& counts)
{
    int sum = 0;
    for (int part = 0; part < 5; ++part) {
        bool ok = false;
        const QString key = QStringLiteral("Part%1.%2").arg(part + 1, 2, 10, QLatin1Char('0')).arg(kind);
        counts[part] = ReadCountSetting(file, section, key, 64, defaults[part], &ok);
        if (!ok)
            return false;
        sum += counts[part];
    }
    return sum <= 64;
}

QString baseName(const AppSettings& s)
{
    if (s.CommandLine.trimmed().isEmpty())
        return s.ProgramFileName;
    for (const QString& model : DeviceModelNames()) {
        if (s.ProgramFileName.startsWith(model, Qt::CaseInsensitive))
            return s.DeviceModel + s.ProgramFileName.mid(model.size());
    }
    return s.DeviceModel + s.ProgramFileName.mid(std::max<qsizetype>(0, s.DeviceModel.size() - 1));
}

} // namespace

void DeriveFileNames(AppSettings& settings, const QDate& today)
{
    settings.BaseName = baseName(settings);
    const QString& base = settings.BaseName;
    settings.SettingsFile = settings.inFilesFolder(base + QStringLiteral(".Ini"));
    settings.LogFileName = settings.inFilesFolder(
        base + QLatin1Char('-') + today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".Log"));
    settings.DefaultDataFile = settings.inFilesFolder(base + QStringLiteral(".Dat"));
    settings.DefaultHexFile = settings.inFilesFolder(base + QStringLiteral(".HEX"));
}

int ReadLanguageAndLogFlag(AppSettings& settings)
{
    const QString& file = settings.SettingsFile;
    settings.Language = ReadSetting(file, kMain, QStringLiteral("Language"), QStringLiteral("GER")).toUpper();
    settings.WriteLogFile = readFlag(file, QStringLiteral("WriteLogFile"), QStringLiteral("yes"));
    return 0;
}

int ReadMainSettings(AppSettings& s)
{
    const QString& file = s.SettingsFile;

    struct Flag
    {
        int step;
        const char* key;
        const char* defaultText;
        bool AppSettings::*target;
    };
    static constexpr Flag kFirstFlags[] = {
        {7, "LogHexData", "no", &AppSettings::LogHexData},
        {8, "ShowMsgBox", "yes", &AppSettings::ShowMsgBox},
        {9, "RequestData", "yes", &AppSettings::RequestData},
        {10, "Debug", "no", &AppSettings::Debug},
        {11, "SaveLoadEnabled", "yes", &AppSettings::SaveLoadEnabled},
        {13, "SystemResetEnabled", "no", &AppSettings::SystemResetEnabled},
        {14, "VersionInfoEnabled", "no", &AppSettings::VersionInfoEnabled},
        {15, "OnlineTestEnabled", "no", &AppSettings::OnlineTestEnabled},
        {16, "ShowProtocolEnabled", "no", &AppSettings::ShowProtocolEnabled},
    };
    // Reading a flag cannot fail: any text but "JA" or "YES" is false.
    for (const Flag& flag : kFirstFlags)
        s.*flag.target = readFlag(file, QLatin1String(flag.key), QLatin1String(flag.defaultText));

    const QString startFile = ReadSetting(file, kMain, QStringLiteral("LoadAtStartup_Default"), QString());
    if (startFile.isEmpty())
        return 17;
    if (startFile == QLatin1String("*NONE*")) {
        s.LoadAtStartup_Default.clear();
    } else {
        s.LoadAtStartup_Default = s.inFilesFolder(startFile);
        if (!FileExists(s.LoadAtStartup_Default))
            return 18;
    }

    s.RequestStatus = readFlag(file, QStringLiteral("RequestStatus"), QStringLiteral("yes"));

    if (!readEvenUpTo16(file, QStringLiteral("Layer_NumFaders"), QStringLiteral("16"), s.Layer_NumFaders))
        return 20;

    int mode = 0;
    if (!readWholeNumber(ReadSetting(file, kMain, QStringLiteral("GPIO_Options_Mode"), QStringLiteral("1")),
                         mode) ||
        mode < 1 || mode > 3)
        return 21;
    s.GPIO_Options_Mode = static_cast<qint16>(mode);

    if (!readCounts(file, QStringLiteral("TabStrip_Name_") + s.Language, QStringLiteral("CountInput"),
                    {12, 4, 4, 4, 8}, s.CountInput))
        return 22;
    if (!readCounts(file, QStringLiteral("TabStrip_Output_") + s.Language, QStringLiteral("CountOutput"),
                    {4, 4, 4, 4, 4}, s.CountOutput))
        return 23;

    if (!readEvenUpTo16(file, QStringLiteral("TextLenInput"), QStringLiteral("8"), s.TextLenInput))
        return 24;
    s.ShowTabStrip_System = readFlag(file, QStringLiteral("ShowTabStrip_System"), QStringLiteral("no"));
    s.ShowTabStrip_ESAM = readFlag(file, QStringLiteral("ShowTabStrip_ESAM"), QStringLiteral("no"));
    s.ShowTabStrip_FBOX = readFlag(file, QStringLiteral("ShowTabStrip_FBOX"), QStringLiteral("no"));
    s.ShowTabStrip_Monitor = readFlag(file, QStringLiteral("ShowTabStrip_Monitor"), QStringLiteral("no"));
    s.ShowTabStrip_IO_Opt = readFlag(file, QStringLiteral("ShowTabStrip_IO_Opt"), QStringLiteral("no"));
    s.RestoreLastPosition = readFlag(file, QStringLiteral("RestoreLastPosition"), QStringLiteral("Yes"));
    return 0;
}

qint16 ReadCountSetting(const QString& file, const QString& section, const QString& key, int max,
                        int defaultValue, bool* ok)
{
    int value = 0;
    const bool isNumber =
        readWholeNumber(ReadSetting(file, section, key, QString::number(defaultValue)), value);
    if (ok)
        *ok = isNumber;
    if (!isNumber)
        return 0;
    if (value < 0)
        return 0;
    if (value > max)
        return static_cast<qint16>(max);
    return static_cast<qint16>(value % 2 == 0 ? value : 2);
}

QString SettingsFileTooLargeText(const AppSettings& settings)
{
    const QFileInfo info(settings.SettingsFile);
    if (!info.isFile() || info.size() <= ProfileFile::kMaxBytes)
        return {};
    const QString name = QDir::toNativeSeparators(settings.SettingsFile);
    const QString text = settings.isGerman()
                             ? QStringLiteral("Die Einstellungsdatei <%1> ist zu gro\u00DF zum Lesen: %2 Bytes, "
                                              "h\u00F6chstens %3")
                             : QStringLiteral("The settings file <%1> is too large to read: %2 bytes, at most %3");
    return text.arg(name).arg(info.size()).arg(ProfileFile::kMaxBytes);
}

QString StartupStepText(int step, bool german)
{
    struct Text
    {
        int step;
        const char* german;
        const char* english;
    };
    static constexpr Text kTexts[] = {
        {7, "Fehler beim Setzen des Flags <LogHexData>", "Error setting flag <LogHexData>"},
        {8, "Fehler beim Setzen des Flags <ShowMsgBox>", "Error setting flag <ShowMsgBox>"},
        {9, "Fehler beim Setzen des Flags <RequestData>", "Error setting flag <RequestData>"},
        {10, "Fehler beim Setzen des Flags <Debug>", "Error setting flag <Debug>"},
        {11, "Fehler beim Setzen des Flags <SaveLoadEnabled>", "Error setting flag <SaveLoadEnabled>"},
        {12, "Fehler beim Setzen des Flags <WriteLogFile>", "Error setting flag <WriteLogFile>"},
        {13, "Fehler beim Setzen des Flags <SystemResetEnabled>", "Error setting flag <SystemResetEnabled>"},
        {14, "Fehler beim Setzen des Flags <VersionInfoEnabled>", "Error setting flag <VersionInfoEnabled>"},
        {15, "Fehler beim Setzen des Flags <OnlineTestEnabled>", "Error setting flag <OnlineTestEnabled>"},
        {16, "Fehler beim Setzen des Flags <ShowProtocolEnabled>",
         "Error setting flag <ShowProtocolEnabled>"},
        {17, "Fehler beim Lesen des Eintrags <LoadAtStartup_Default>",
         "Error reading value <LoadAtStartup_Default>"},
        {18, "Fehler beim Lesen der in <LoadAtStartup_Default> angegebenen Datei",
         "Error reading the file in <LoadAtStartup_Default>"},
        {19, "Fehler beim Setzen des Flags <RequestStatus>", "Error setting flag <RequestStatus>"},
        {20, "Fehler beim Setzen des Wertes für <Layer_NumFaders>", "Error setting value <Layer_NumFaders>"},
        {21, "Fehler beim Setzen des Wertes für <GPIO_Options_Mode>",
         "Error setting value <GPIO_Options_Mode>"},
        {22, "Max. Anzahl Inputs (Signalnamen) überschritten",
         "Max. number of inputs (signal names) exceeded"},
        {23, "Max. Anzahl Abgriffe Output überschritten", "Max. number of pickoffs output exceeded"},
        {24, "Fehler beim Setzen des Wertes für <TextLenInput>", "Error setting value <TextLenInput>"},
        {25, "Fehler beim Initialisieren des DataSets", "Error initializing the DataSet"},
        {31, "Fehler bei Setzen des COM-Ports", "Error setting the COM-Port"},
        {32, "Fehler bei Setzen der Einstellungen für den COM-Port", "Error setting the COM-Port parameters"},
        {33, "Fehler bei Setzen der Empfangspuffer-Grösse für den COM-Port",
         "Error setting the receive buffer size for the COM-Port"},
        {34, "Fehler bei Setzen der Sendepuffer-Grösse für den COM-Port",
         "Error setting the send buffer size for the COM-Port"},
        {35, "Fehler bei Setzen von 'DTR enable' für den COM-Port",
         "Error setting 'DTR enable' for the COM-Port"},
        {36, "Fehler bei Setzen von 'RTS enable' für den COM-Port",
         "Error setting 'RTS enable' for the COM-Port"},
        {37, "Fehler bei Setzen des Handshakings für den COM-Port",
         "Error setting the handshaking for the COM-Port"},
        {38, "Fehler bei Setzen der generellen Einstellungen für den COM-Port",
         "Error setting der general values for the COM-Port"},
        {39, "Fehler bei Setzen des Timeouts für den COM-Port", "Error setting the timeout for the COM-Port"},
        {41, "Fehler bei Setzen des Timer-Intervalls für den COM-Port",
         "Error setting the timer interval for the COM-Port"},
        {42, "Fehler bei Setzen des Debug-Flags für den COM-Port",
         "Error setting the debug flag for the COM-Port"},
        {43, "Fehler bei Setzen der Parameter der Seriellen Schnittstelle",
         "Error setting the serial port parameters"},
    };
    for (const Text& text : kTexts) {
        if (text.step == step)
            return QString::fromUtf8(german ? text.german : text.english);
    }
    return {};
}
