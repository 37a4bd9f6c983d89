#include "AppFixture.h"

namespace {

using ShutdownTest = AppFixture;

TEST_F(ShutdownTest, NoToTheQueryChangesNothing)
{
    ASSERT_EQ(start(), 0);
    const QByteArray before = TestFolder::read(ini);
    ui.answers = {false};
    app->InterpretMenuCommand(15);
    EXPECT_EQ(ui.queries.size(), 1);
    EXPECT_EQ(ui.queries[0].icon, MessageIcon::Stop);
    EXPECT_EQ(terminated, 0);
    EXPECT_EQ(TestFolder::read(ini), before);
    EXPECT_FALSE(logged(QStringLiteral("QueryEndProg_ByUser")));
}

TEST_F(ShutdownTest, YesStoresPlacementAndPageTidiesAndEnds)
{
    ASSERT_EQ(start(), 0);
    windows.placement = {300, 200, 14250, 9000};
    windows.tab = 3;
    ui.answers = {true};
    app->InterpretMenuCommand(15);
    EXPECT_EQ(terminated, 1);
    EXPECT_TRUE(logged(QStringLiteral("QueryEndProg_ByUser")));
    EXPECT_EQ(ReadSetting(ini, QStringLiteral("Screen"), QStringLiteral("Coord_X"), {}), QStringLiteral("300"));
    EXPECT_EQ(ReadSetting(ini, QStringLiteral("Screen"), QStringLiteral("Coord_H"), {}), QStringLiteral("9000"));
    EXPECT_EQ(ReadSetting(ini, QStringLiteral("Recent"), QStringLiteral("ActTabStrip"), {}), QStringLiteral("3"));
    EXPECT_TRUE(TestFolder::read(ini).contains("  Port"));
    EXPECT_FALSE(port.PortOpen());
    EXPECT_TRUE(windows.events.contains(QStringLiteral("others closed")));
}

TEST_F(ShutdownTest, EndingWhileMaximisedKeepsTheStoredPlacement)
{
    set(QStringLiteral("Screen"), QStringLiteral("Coord_X"), QStringLiteral("111"));
    ASSERT_EQ(start(), 0);
    windows.normal = false;
    windows.placement = {0, 0, 20000, 15000};
    app->EndProgram(false);
    EXPECT_EQ(ReadSetting(ini, QStringLiteral("Screen"), QStringLiteral("Coord_X"), {}), QStringLiteral("111"));
}

TEST_F(ShutdownTest, StartUpFailureBeforeThePlacementWasRestoredStoresNoPlacement)
{
    set(QStringLiteral("Screen"), QStringLiteral("Coord_X"), QStringLiteral("111"));
    set(QStringLiteral("Recent"), QStringLiteral("ActTabStrip"), QStringLiteral("4"));
    for (int i = 0; i < 4; ++i)
        port.openResults.append(PortResult::failure(QStringLiteral("no such port"), PortNotFound));
    EXPECT_EQ(start(), 43);
    EXPECT_EQ(ReadSetting(ini, QStringLiteral("Screen"), QStringLiteral("Coord_X"), {}), QStringLiteral("111"));
    EXPECT_EQ(ReadSetting(ini, QStringLiteral("Recent"), QStringLiteral("ActTabStrip"), {}), QStringLiteral("4"));
}

} // namespace
