// A settings file in a program folder the user cannot write.
#include "AppFixture.h"

#include "ReadOnlyPath.h"
#include "SerialLink.h"

namespace {

using SettingsWriteFailureTest = AppFixture;

int loggedCount(const QStringList& protocol, const QString& text)
{
    int n = 0;
    for (const QString& line : protocol)
        n += line.contains(text) ? 1 : 0;
    return n;
}

TEST_F(SettingsWriteFailureTest, ReadOnlyFolderStillStoresPlacementAndPage)
{
    ASSERT_EQ(start(), 0);
    windows.placement = {300, 200, 14250, 9000};
    windows.tab = 4;
    ReadOnlyPath locked(folder.path());
    if (!locked.active())
        GTEST_SKIP() << "cannot make a folder read-only here";
    app->EndProgram(false);
    EXPECT_EQ(ReadSetting(ini, QStringLiteral("Screen"), QStringLiteral("Coord_X"), {}), QStringLiteral("300"));
    EXPECT_EQ(ReadSetting(ini, QStringLiteral("Recent"), QStringLiteral("ActTabStrip"), {}), QStringLiteral("4"));
    EXPECT_EQ(loggedCount(windows.protocol, QStringLiteral("WriteSettings_Err")), 0);
}

TEST_F(SettingsWriteFailureTest, FileThatCannotBeWrittenIsLoggedOnce)
{
    ASSERT_EQ(start(), 0);
    windows.placement = {300, 200, 14250, 9000};
    const QByteArray before = TestFolder::read(ini);
    ReadOnlyPath lockedFolder(folder.path());
    ReadOnlyPath lockedFile(ini);
    if (!lockedFolder.active() || !lockedFile.active())
        GTEST_SKIP() << "cannot make a folder read-only here";

    EXPECT_NE(app->link().WriteCommSettings(), 0);
    EXPECT_EQ(loggedCount(windows.protocol, QStringLiteral("WriteSettings_Err")), 1);
    app->EndProgram(false);
    EXPECT_EQ(loggedCount(windows.protocol, QStringLiteral("WriteSettings_Err")), 2);
    EXPECT_EQ(TestFolder::read(ini), before);
}

} // namespace
