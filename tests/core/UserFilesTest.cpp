#include "UserFiles.h"

#include "AppSettings.h"
#include "ReadOnlyPath.h"
#include "SettingsFile.h"
#include "StartupSettings.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kBundledIni = QStringLiteral(ZEL_SOURCE_DIR "/resources/ZEL308Tools.Ini");

// A program folder holding the installed settings file, and a user's
// configuration folder that does not exist yet.
class UserFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(program()));
        ASSERT_TRUE(QFile::copy(kBundledIni, installed()));
        QFile::setPermissions(installed(), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString program() const { return folder.file("usr/lib/zel308tools"); }
    QString installed() const { return program() + "/ZEL308Tools.Ini"; }
    QString userFolder() const { return folder.file("home/.config/ZEL308Tools"); }
    QString user() const { return userFolder() + "/ZEL308Tools.Ini"; }
    QString read(const QString& file, const char* section, const char* key) const
    {
        return ReadSetting(file, section, key, "<absent>");
    }
    // The next package version: its settings file with these lines changed or added.
    void upgrade(const QList<std::array<const char*, 3>>& lines)
    {
        for (const auto& [section, key, value] : lines)
            ASSERT_TRUE(WriteSetting(installed(), section, key, value, true));
    }

    TestFolder folder;
};

} // namespace

TEST_F(UserFilesTest, FirstStartCopiesTheInstalledSettingsFile)
{
    ASSERT_TRUE(QDir().mkpath(userFolder()));
    EXPECT_EQ(UpdateUserSettings(installed(), user()), UserSettingsUpdate::Seeded);
    EXPECT_EQ(TestFolder::read(user()), TestFolder::read(kBundledIni));
    EXPECT_EQ(read(user(), "Comm", "Port"), "2");
}

TEST_F(UserFilesTest, LaterStartsKeepTheUsersEdits)
{
    ASSERT_TRUE(QDir().mkpath(userFolder()));
    ASSERT_EQ(UpdateUserSettings(installed(), user()), UserSettingsUpdate::Seeded);
    ASSERT_TRUE(WriteSetting(user(), "Main", "Language", "ENG", false));
    ASSERT_TRUE(WriteSetting(user(), "PortNames", "COM2", "/dev/ttyUSB0", false));

    EXPECT_EQ(UpdateUserSettings(installed(), user()), UserSettingsUpdate::Unchanged);
    EXPECT_EQ(read(user(), "Main", "Language"), "ENG");
    EXPECT_EQ(read(user(), "PortNames", "COM2"), "/dev/ttyUSB0");
}

// A newer installed file merged into a copy the user has worked with.
TEST_F(UserFilesTest, ANewerInstalledFileAddsItsKeysAndKeepsTheUsersValues)
{
    ASSERT_TRUE(QDir().mkpath(userFolder()));
    ASSERT_EQ(UpdateUserSettings(installed(), user()), UserSettingsUpdate::Seeded);
    ASSERT_TRUE(WriteSetting(user(), "Comm", "Port", "5", false));
    ASSERT_TRUE(WriteSetting(user(), "Main", "Debug", "", true));
    upgrade({{"Comm", "Port", "3"},
             {"Comm", "TimeOut", "20"},
             {"Main", "Debug", "yes"},
             {"Main", "Layer_NumFaders", "12"},
             {"Main", "ShowToolTips", "yes"},
             {"Messages_ENG", "Ready", "Ready for work"},
             {"Messages_ENG", "Port_Hint", "Is the adapter plugged in?"},
             {"Screen_Extra", "Zoom", "100"}});

    EXPECT_EQ(UpdateUserSettings(installed(), user()), UserSettingsUpdate::Merged);

    const struct
    {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Comm", "Port", "5"},                                       // changed by the user
        {"Main", "Debug", "<absent>"},                               // removed by the user
        {"Comm", "TimeOut", "20"},                                   // untouched: follows the package
        {"Main", "Layer_NumFaders", "12"},                           // untouched: follows the package
        {"Messages_ENG", "Ready", "Ready for work"},                 // untouched: follows the package
        {"Main", "ShowToolTips", "yes"},                             // new key
        {"Messages_ENG", "Port_Hint", "Is the adapter plugged in?"}, // new key
        {"Screen_Extra", "Zoom", "100"},                             // new section
        {"Comm", "Settings", "19200,n,8,1"},                         // the same in both
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(user(), c.section, c.key), c.expected) << c.section << "/" << c.key;
    // Taken over once: the next start changes nothing.
    EXPECT_EQ(UpdateUserSettings(installed(), user()), UserSettingsUpdate::Unchanged);
}

// A copy made by hand has no record of the installed file it came from: only
// what it lacks is added.
TEST_F(UserFilesTest, ACopyWithoutItsInstalledRecordGainsOnlyTheKeysItLacks)
{
    ASSERT_TRUE(QDir().mkpath(userFolder()));
    folder.write("home/.config/ZEL308Tools/ZEL308Tools.Ini",
                 "[Main]\r\nLanguage=ENG\r\nLayer_NumFaders=4\r\n\r\n[Comm]\r\nPort=7\r\n");

    EXPECT_EQ(UpdateUserSettings(installed(), user()), UserSettingsUpdate::Merged);
    EXPECT_EQ(read(user(), "Main", "Language"), "ENG");
    EXPECT_EQ(read(user(), "Main", "Layer_NumFaders"), "4");
    EXPECT_EQ(read(user(), "Comm", "Port"), "7");
    EXPECT_EQ(read(user(), "Comm", "Settings"), "19200,n,8,1");
    EXPECT_EQ(read(user(), "Main", "LoadAtStartup_Default"), "*NONE*");
    EXPECT_TRUE(TestFolder::read(user()).startsWith("[Main]\r\nLanguage=ENG\r\nLayer_NumFaders=4\r\n"));
}

TEST_F(UserFilesTest, AWritableProgramFolderKeepsEveryFileBesideTheProgram)
{
    AppSettings s;
    s.ProgramFolder = program();
    s.ProgramFileName = "ZEL308Tools";
    ChooseFilesFolder(s, userFolder());
    DeriveFileNames(s, QDate(2026, 12, 9));

    EXPECT_EQ(s.SettingsFile, QDir::toNativeSeparators(program() + "/ZEL308Tools.Ini"));
    EXPECT_EQ(s.LogFileName, QDir::toNativeSeparators(program() + "/ZEL308Tools-2026-12-09.Log"));
    EXPECT_EQ(s.DefaultDataFile, QDir::toNativeSeparators(program() + "/ZEL308Tools.Dat"));
    EXPECT_FALSE(QFileInfo::exists(userFolder()));
    EXPECT_EQ(FilesFolderLogText(s), "");
    EXPECT_EQ(QDir(program()).entryList(QDir::Files | QDir::Hidden), QStringList{"ZEL308Tools.Ini"});
}

TEST_F(UserFilesTest, AnInstalledProgramKeepsTheModelsFilesInTheUsersFolder)
{
    QFile::copy(installed(), program() + "/ZEL312sTools.Ini");
    ASSERT_TRUE(WriteSetting(program() + "/ZEL312sTools.Ini", "Main", "Layer_NumFaders", "12", false));
    ReadOnlyPath readOnly(program());
    if (!readOnly.active())
        GTEST_SKIP() << "the folder cannot be made read-only here";
    AppSettings s;
    s.ProgramFolder = program();
    s.ProgramFileName = "ZEL308Tools";
    s.CommandLine = "zel312s";
    s.DeviceModel = "ZEL312s";
    ChooseFilesFolder(s, userFolder());
    DeriveFileNames(s, QDate(2026, 12, 9));

    EXPECT_EQ(s.SettingsFile, QDir::toNativeSeparators(userFolder() + "/ZEL312sTools.Ini"));
    EXPECT_EQ(s.LogFileName, QDir::toNativeSeparators(userFolder() + "/ZEL312sTools-2026-12-09.Log"));
    EXPECT_EQ(s.DefaultDataFile, QDir::toNativeSeparators(userFolder() + "/ZEL312sTools.Dat"));
    EXPECT_EQ(s.DefaultHexFile, QDir::toNativeSeparators(userFolder() + "/ZEL312sTools.HEX"));
    EXPECT_EQ(read(s.SettingsFile, "Main", "Layer_NumFaders"), "12");
    EXPECT_FALSE(QFileInfo::exists(userFolder() + "/ZEL308Tools.Ini"));
    s.Language = "ENG";
    EXPECT_EQ(FilesFolderLogText(s),
              "Settings, log and data files are kept in " + QDir::toNativeSeparators(userFolder()));
    s.Language = "GER";
    EXPECT_EQ(FilesFolderLogText(s),
              "Einstellungen, Log und Datendateien liegen in " + QDir::toNativeSeparators(userFolder()));
}

TEST_F(UserFilesTest, AFolderThatCannotTakeAFileIsNotWritable)
{
    EXPECT_TRUE(FolderAcceptsNewFiles(program()));
    EXPECT_FALSE(FolderAcceptsNewFiles(installed())); // a file, not a folder
    EXPECT_FALSE(FolderAcceptsNewFiles(folder.file("missing")));
    EXPECT_EQ(QDir(program()).entryList(QDir::Files | QDir::Hidden), QStringList{"ZEL308Tools.Ini"});
}
