#include "StartupSettings.h"

#include "AppSettings.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kBundledIni = QStringLiteral(ZEL_SOURCE_DIR "/resources/ZEL308Tools.Ini");

class StartupSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s.ProgramFolder = folder.path();
        s.ProgramFileName = QStringLiteral("ZEL308Tools");
        DeriveFileNames(s, QDate(2026, 12, 7));
        ASSERT_TRUE(QFile::copy(kBundledIni, s.SettingsFile));
        QFile::setPermissions(s.SettingsFile, QFile::ReadOwner | QFile::WriteOwner);
    }
    void set(const QString& section, const QString& key, const QString& value)
    {
        ASSERT_TRUE(WriteSetting(s.SettingsFile, section, key, value, false));
    }
    int readAll()
    {
        const int step = ReadLanguageAndLogFlag(s);
        return step != 0 ? step : ReadMainSettings(s);
    }

    TestFolder folder;
    AppSettings s;
};

} // namespace

TEST_F(StartupSettingsTest, FileNamesFollowTheProgram)
{
    EXPECT_EQ(s.BaseName, "ZEL308Tools");
    EXPECT_EQ(s.SettingsFile, QDir::toNativeSeparators(folder.file("ZEL308Tools.Ini")));
    EXPECT_EQ(s.LogFileName, QDir::toNativeSeparators(folder.file("ZEL308Tools-2026-12-07.Log")));
    EXPECT_EQ(s.DefaultDataFile, QDir::toNativeSeparators(folder.file("ZEL308Tools.Dat")));
    EXPECT_EQ(s.DefaultHexFile, QDir::toNativeSeparators(folder.file("ZEL308Tools.HEX")));
}

TEST(BaseName, CommandLineModelReplacesTheProgramsModel)
{
    struct Case
    {
        const char* program;
        const char* model;
        const char* commandLine;
        const char* base;
    };
    const Case cases[] = {
        {"ZEL308Tools", "ZEL308", "", "ZEL308Tools"},
        {"ZEL308Tools", "ZEL312s", "  ", "ZEL308Tools"},
        {"ZEL308Tools", "ZEL312s", "zel312s", "ZEL312sTools"},
        {"ZEL308Tools", "MOR304m", "/x MOR304M", "MOR304mTools"},
        {"ZEL308Tools", "ZEL308", "zel308", "ZEL308Tools"},
        {"mor308mTools", "ZEL312s", "zel312s", "ZEL312sTools"},
        // No model at the start of the program name: the model, then the name from
        // 1-based position len(model) on.
        {"ConfigTools", "ZEL312s", "zel312s", "ZEL312sTools"},
        {"Editor", "ZEL312s", "zel312s", "ZEL312s"},
    };
    for (const Case& c : cases) {
        AppSettings s;
        s.ProgramFolder = QStringLiteral("/opt/zel");
        s.ProgramFileName = c.program;
        s.DeviceModel = c.model;
        s.CommandLine = c.commandLine;
        DeriveFileNames(s, QDate(2026, 1, 2));
        EXPECT_EQ(s.BaseName, c.base) << c.program << " " << c.commandLine;
    }
}

TEST_F(StartupSettingsTest, BundledSettingsPassWithTheirDefaults)
{
    ASSERT_EQ(readAll(), 0);
    EXPECT_EQ(s.Language, "GER");
    EXPECT_TRUE(s.WriteLogFile);
    EXPECT_FALSE(s.LogHexData);
    EXPECT_TRUE(s.ShowMsgBox);
    EXPECT_TRUE(s.RequestData);
    EXPECT_FALSE(s.Debug);
    EXPECT_TRUE(s.SaveLoadEnabled);
    EXPECT_FALSE(s.SystemResetEnabled);
    EXPECT_FALSE(s.VersionInfoEnabled);
    EXPECT_FALSE(s.OnlineTestEnabled);
    EXPECT_FALSE(s.ShowProtocolEnabled);
    EXPECT_EQ(s.LoadAtStartup_Default, "");
    EXPECT_TRUE(s.RequestStatus);
    EXPECT_EQ(s.Layer_NumFaders, 8);
    EXPECT_EQ(s.GPIO_Options_Mode, 1);
    EXPECT_EQ(s.TextLenInput, 8);
    EXPECT_EQ(s.CountInput, (std::array<qint16, 5>{12, 4, 4, 4, 8}));
    EXPECT_EQ(s.CountOutput, (std::array<qint16, 5>{4, 4, 4, 4, 4}));
    // The bundled file shows every optional page except the service page.
    EXPECT_FALSE(s.ShowTabStrip_System);
    EXPECT_TRUE(s.ShowTabStrip_ESAM && s.ShowTabStrip_FBOX && s.ShowTabStrip_Monitor && s.ShowTabStrip_IO_Opt);
    EXPECT_TRUE(s.RestoreLastPosition);
}

TEST(BundledModelSettings, ZEL312sStartedByCommandLineReadsItsLargerFile)
{
    AppSettings s;
    s.ProgramFolder = QStringLiteral(ZEL_BIN_DIR);
    s.ProgramFileName = QStringLiteral("ZEL308Tools");
    s.DeviceModel = QStringLiteral("ZEL312s");
    s.CommandLine = QStringLiteral("zel312s");
    DeriveFileNames(s, QDate(2026, 12, 7));
    ASSERT_TRUE(QFile::exists(s.SettingsFile)) << s.SettingsFile.toStdString();
    EXPECT_TRUE(s.SettingsFile.endsWith(QStringLiteral("ZEL312sTools.Ini")));
    ASSERT_EQ(ReadLanguageAndLogFlag(s), 0);
    ASSERT_EQ(ReadMainSettings(s), 0);
    EXPECT_EQ(s.Layer_NumFaders, 12);
    EXPECT_EQ(s.GPIO_Options_Mode, 2);
    EXPECT_EQ(s.CountInput, (std::array<qint16, 5>{16, 8, 8, 4, 12}));
    EXPECT_EQ(s.CountOutput, (std::array<qint16, 5>{8, 4, 8, 4, 8}));
    // Everything else is the base file's.
    EXPECT_EQ(ReadSetting(s.SettingsFile, QStringLiteral("TabStrip_Layer_ENG"), QStringLiteral("Caption"), {}),
              QStringLiteral("LAYERS"));
}

TEST_F(StartupSettingsTest, AbsentKeysTakeTheirDefaults)
{
    folder.write("ZEL308Tools.Ini", "[Main]\r\nLoadAtStartup_Default=*NONE*\r\nRequestData=nein\r\n");
    ASSERT_EQ(readAll(), 0);
    EXPECT_TRUE(s.WriteLogFile);
    EXPECT_TRUE(s.ShowMsgBox);
    EXPECT_FALSE(s.RequestData);
    EXPECT_TRUE(s.RequestStatus);
    EXPECT_TRUE(s.RestoreLastPosition);
    EXPECT_EQ(s.Layer_NumFaders, 16);
    EXPECT_EQ(s.CountInput, (std::array<qint16, 5>{12, 4, 4, 4, 8}));
}

TEST_F(StartupSettingsTest, FlagsAreTrueOnlyForJaOrYes)
{
    struct Case
    {
        const char* key;
        bool AppSettings::*flag;
    };
    const Case flags[] = {{"WriteLogFile", &AppSettings::WriteLogFile},
                          {"LogHexData", &AppSettings::LogHexData},
                          {"ShowMsgBox", &AppSettings::ShowMsgBox},
                          {"RequestData", &AppSettings::RequestData},
                          {"Debug", &AppSettings::Debug},
                          {"SaveLoadEnabled", &AppSettings::SaveLoadEnabled},
                          {"SystemResetEnabled", &AppSettings::SystemResetEnabled},
                          {"VersionInfoEnabled", &AppSettings::VersionInfoEnabled},
                          {"OnlineTestEnabled", &AppSettings::OnlineTestEnabled},
                          {"ShowProtocolEnabled", &AppSettings::ShowProtocolEnabled},
                          {"RequestStatus", &AppSettings::RequestStatus},
                          {"ShowTabStrip_System", &AppSettings::ShowTabStrip_System},
                          {"ShowTabStrip_ESAM", &AppSettings::ShowTabStrip_ESAM},
                          {"ShowTabStrip_FBOX", &AppSettings::ShowTabStrip_FBOX},
                          {"ShowTabStrip_Monitor", &AppSettings::ShowTabStrip_Monitor},
                          {"ShowTabStrip_IO_Opt", &AppSettings::ShowTabStrip_IO_Opt},
                          {"RestoreLastPosition", &AppSettings::RestoreLastPosition}};
    for (const auto& [value, expected] :
         {std::pair{"Ja", true}, std::pair{"YES", true}, std::pair{"1", false}, std::pair{"true", false},
          std::pair{"", false}}) {
        for (const Case& c : flags)
            set("Main", c.key, value);
        ASSERT_EQ(readAll(), 0) << value;
        for (const Case& c : flags)
            EXPECT_EQ(s.*c.flag, expected) << c.key << "=" << value;
    }
}

TEST_F(StartupSettingsTest, EveryCheckedStepFailsWithItsText)
{
    struct Case
    {
        const char* section;
        const char* key;
        const char* value;
        int step;
        const char* german;
    };
    const Case cases[] = {
        {"Main", "LoadAtStartup_Default", "", 17, "Fehler beim Lesen des Eintrags <LoadAtStartup_Default>"},
        {"Main", "LoadAtStartup_Default", "fehlt.Dat", 18,
         "Fehler beim Lesen der in <LoadAtStartup_Default> angegebenen Datei"},
        {"Main", "LoadAtStartup_Default", "*none*", 18,
         "Fehler beim Lesen der in <LoadAtStartup_Default> angegebenen Datei"},
        {"Main", "Layer_NumFaders", "15", 20, "Fehler beim Setzen des Wertes für <Layer_NumFaders>"},
        {"Main", "Layer_NumFaders", "0", 20, "Fehler beim Setzen des Wertes für <Layer_NumFaders>"},
        {"Main", "Layer_NumFaders", "18", 20, "Fehler beim Setzen des Wertes für <Layer_NumFaders>"},
        {"Main", "Layer_NumFaders", "abc", 20, "Fehler beim Setzen des Wertes für <Layer_NumFaders>"},
        {"Main", "Layer_NumFaders", "-2", 20, "Fehler beim Setzen des Wertes für <Layer_NumFaders>"},
        {"Main", "Layer_NumFaders", "4.5", 20, "Fehler beim Setzen des Wertes für <Layer_NumFaders>"},
        {"Main", "GPIO_Options_Mode", "0", 21, "Fehler beim Setzen des Wertes für <GPIO_Options_Mode>"},
        {"Main", "GPIO_Options_Mode", "4", 21, "Fehler beim Setzen des Wertes für <GPIO_Options_Mode>"},
        {"Main", "GPIO_Options_Mode", "zwei", 21, "Fehler beim Setzen des Wertes für <GPIO_Options_Mode>"},
        {"TabStrip_Name_GER", "Part04.CountInput", "viele", 22,
         "Max. Anzahl Inputs (Signalnamen) überschritten"},
        {"TabStrip_Output_GER", "Part02.CountOutput", "?", 23, "Max. Anzahl Abgriffe Output überschritten"},
        {"TabStrip_Output_GER", "Part01.CountOutput", "62", 23, "Max. Anzahl Abgriffe Output überschritten"},
        {"Main", "TextLenInput", "7", 24, "Fehler beim Setzen des Wertes für <TextLenInput>"},
        {"Main", "TextLenInput", "0", 24, "Fehler beim Setzen des Wertes für <TextLenInput>"},
        {"Main", "TextLenInput", "20", 24, "Fehler beim Setzen des Wertes für <TextLenInput>"},
        {"Main", "TextLenInput", "", 24, "Fehler beim Setzen des Wertes für <TextLenInput>"},
    };
    const QByteArray pristine = TestFolder::read(s.SettingsFile);
    for (const Case& c : cases) {
        folder.write("ZEL308Tools.Ini", pristine);
        set(c.section, c.key, c.value);
        const int step = readAll();
        EXPECT_EQ(step, c.step) << c.key << "=" << c.value;
        EXPECT_EQ(StartupStepText(step, true), QString::fromUtf8(c.german)) << c.key << "=" << c.value;
    }
}

TEST_F(StartupSettingsTest, MissingStartFileKeyFailsStep17)
{
    ASSERT_TRUE(WriteSetting(s.SettingsFile, "Main", "LoadAtStartup_Default", "", true));
    EXPECT_EQ(readAll(), 17);
}

TEST_F(StartupSettingsTest, StartFileInTheProgramFolder)
{
    folder.write("Start.Dat", "x");
    set("Main", "LoadAtStartup_Default", "Start.Dat");
    ASSERT_EQ(readAll(), 0);
    EXPECT_EQ(s.LoadAtStartup_Default, QDir::toNativeSeparators(folder.file("Start.Dat")));
}

TEST_F(StartupSettingsTest, InputCountsAbove64InTotalFail)
{
    const int counts[] = {12, 20, 20, 8, 8};
    for (int part = 0; part < 5; ++part)
        set("TabStrip_Name_GER", QStringLiteral("Part0%1.CountInput").arg(part + 1),
            QString::number(counts[part]));
    EXPECT_EQ(readAll(), 22);
}

TEST_F(StartupSettingsTest, SingleCountOf65IsCutTo64AndPasses)
{
    set("TabStrip_Name_GER", "Part01.CountInput", "65");
    for (int part = 2; part <= 5; ++part)
        set("TabStrip_Name_GER", QStringLiteral("Part0%1.CountInput").arg(part), "0");
    ASSERT_EQ(readAll(), 0);
    EXPECT_EQ(s.CountInput, (std::array<qint16, 5>{64, 0, 0, 0, 0}));
}

TEST_F(StartupSettingsTest, CountRule)
{
    struct Case
    {
        const char* value;
        int count;
    };
    for (const Case& c : {Case{"7", 2}, Case{"-3", 0}, Case{"100", 64}, Case{"64", 64}, Case{"0", 0},
                          Case{"6", 6}, Case{"63", 2}}) {
        set("TabStrip_Name_GER", "Part01.CountInput", c.value);
        bool ok = false;
        EXPECT_EQ(ReadCountSetting(s.SettingsFile, "TabStrip_Name_GER", "Part01.CountInput", 64, 12, &ok),
                  c.count)
            << c.value;
        EXPECT_TRUE(ok);
    }
    bool ok = true;
    EXPECT_EQ(ReadCountSetting(s.SettingsFile, "TabStrip_Name_GER", "Fehlt", 64, 12, &ok), 12);
    EXPECT_TRUE(ok);
    set("TabStrip_Name_GER", "Part01.CountInput", "abc");
    ReadCountSetting(s.SettingsFile, "TabStrip_Name_GER", "Part01.CountInput", 64, 12, &ok);
    EXPECT_FALSE(ok);
}

TEST_F(StartupSettingsTest, LanguageIsUpperCasedAndSelectsTheSections)
{
    set("Main", "Language", "eng");
    set("TabStrip_Name_ENG", "Part05.CountInput", "6");
    set("TabStrip_Output_GER", "Part01.CountOutput", "abc");
    ASSERT_EQ(readAll(), 0);
    EXPECT_EQ(s.Language, "ENG");
    EXPECT_FALSE(s.isGerman());
    EXPECT_EQ(s.CountInput[4], 6);

    set("Main", "TextLenInput", "9");
    const int step = readAll();
    EXPECT_EQ(step, 24);
    EXPECT_EQ(StartupStepText(step, s.isGerman()), "Error setting value <TextLenInput>");
}

TEST_F(StartupSettingsTest, CommandLineModelReadsItsOwnSettingsFile)
{
    s.DeviceModel = QStringLiteral("ZEL312s");
    s.CommandLine = QStringLiteral("zel312s");
    DeriveFileNames(s, QDate(2026, 12, 7));
    EXPECT_EQ(s.SettingsFile, QDir::toNativeSeparators(folder.file("ZEL312sTools.Ini")));
    EXPECT_EQ(s.LogFileName, QDir::toNativeSeparators(folder.file("ZEL312sTools-2026-12-07.Log")));
    folder.write("ZEL312sTools.Ini", "[Main]\r\nLanguage=ENG\r\nLoadAtStartup_Default=*NONE*\r\n");
    ASSERT_EQ(readAll(), 0);
    EXPECT_EQ(s.Language, "ENG");
}

TEST(StartupStepTexts, FixedTable)
{
    EXPECT_EQ(StartupStepText(12, true), "Fehler beim Setzen des Flags <WriteLogFile>");
    EXPECT_EQ(StartupStepText(12, false), "Error setting flag <WriteLogFile>");
    EXPECT_EQ(StartupStepText(31, true), "Fehler bei Setzen des COM-Ports");
    EXPECT_EQ(StartupStepText(31, false), "Error setting the COM-Port");
    EXPECT_EQ(StartupStepText(43, false), "Error setting the serial port parameters");
    for (int step : {0, 1, 6, 26, 30, 40, 44})
        EXPECT_EQ(StartupStepText(step, true), "") << step;
    for (int step = 7; step <= 43; ++step) {
        if ((step >= 26 && step <= 30) || step == 40)
            continue;
        EXPECT_FALSE(StartupStepText(step, true).isEmpty()) << step;
        EXPECT_FALSE(StartupStepText(step, false).isEmpty()) << step;
    }
}
