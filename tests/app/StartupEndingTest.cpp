// How start-up ends: the exit status scripts see, and a settings file start-up
// could not use left as the user wrote it.
#include "AppFixture.h"

#include "ProfileFile.h"
#include "StartupSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

using StartupEndingTest = AppFixture;

TEST_F(StartupEndingTest, FailedStepEndsWithItsNumberAsExitStatus)
{
    set(QStringLiteral("Main"), QStringLiteral("Layer_NumFaders"), QStringLiteral("15"));
    EXPECT_EQ(start(), 20);
    EXPECT_EQ(terminated, 1);
    EXPECT_EQ(exitStatus, 20);
}

TEST_F(StartupEndingTest, UnreadableStartupDataFileEndsWithStatusOne)
{
    folder.write(QStringLiteral("short.DAT"), "too short for a data file");
    set(QStringLiteral("Main"), QStringLiteral("LoadAtStartup_Default"), QStringLiteral("short.DAT"));
    EXPECT_EQ(start(), Application::kEndedWithoutStep);
    EXPECT_EQ(terminated, 1);
    EXPECT_EQ(exitStatus, 1);
}

TEST_F(StartupEndingTest, NormalEndExitsWithZero)
{
    ASSERT_EQ(start(), 0);
    app->EndProgram(false);
    EXPECT_EQ(terminated, 1);
    EXPECT_EQ(exitStatus, 0);
}

TEST_F(StartupEndingTest, FirstTransferIntoThePagesFailingIsStep25)
{
    ui.dataSetToPagesResult = false;
    EXPECT_EQ(start(), 25);
    ASSERT_FALSE(ui.boxes.isEmpty());
    EXPECT_EQ(ui.boxes.last().text, QStringLiteral("Fehler beim Initialisieren des DataSets"));
    EXPECT_EQ(exitStatus, 25);
}

// A file with a garbage section (as a disk error or a wrong save leaves it)
// stops start-up; the end procedure must not rewrite it.
TEST_F(StartupEndingTest, DamagedSettingsFileIsLeftAlone)
{
    QByteArray garbage;
    QRandomGenerator random(15);
    for (int i = 0; i < 100000; ++i)
        garbage.append(static_cast<char>(random.bounded(256)));
    const QByteArray damaged = "[Main]\r\nLanguage=GER\r\n[\x01\xFE\r\n" + garbage + "\r\n";
    folder.write(QStringLiteral("ZEL308Tools.Ini"), damaged);
    EXPECT_EQ(start(), 17);
    EXPECT_EQ(exitStatus, 17);
    const QByteArray after = TestFolder::read(ini);
    EXPECT_EQ(after.size(), damaged.size());
    EXPECT_TRUE(after == damaged);
}

TEST_F(StartupEndingTest, TooLargeSettingsFileIsNamedWithItsSize)
{
    QByteArray big = "[Main]\r\nLoadAtStartup_Default=*NONE*\r\n";
    big += "; " + QByteArray(ProfileFile::kMaxBytes, 'x') + "\r\n";
    folder.write(QStringLiteral("ZEL308Tools.Ini"), big);
    EXPECT_EQ(start(), 17);
    const QString expected = QStringLiteral("Die Einstellungsdatei <%1> ist zu gro\u00DF zum Lesen: 16777258 Bytes, "
                                            "h\u00F6chstens 16777216")
                                 .arg(QDir::toNativeSeparators(ini));
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, expected);
    EXPECT_TRUE(logged(expected));
    EXPECT_EQ(exitStatus, 17);
    EXPECT_EQ(QFileInfo(ini).size(), big.size());
}

TEST_F(StartupEndingTest, ThemeActiveFollowsThePlatformStyle)
{
    windows.themed = true;
    ASSERT_EQ(start(), 0);
    EXPECT_TRUE(app->settings().ThemeActive);
}

} // namespace
