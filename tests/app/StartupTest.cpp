#include "AppFixture.h"

#include "StartupSettings.h"

namespace {

using StartupTest = AppFixture;

TEST_F(StartupTest, ReadyAfterTheStepsInTheirOrder)
{
    ASSERT_EQ(start(), 0);
    EXPECT_TRUE(app->settings().InitDone);
    EXPECT_EQ(terminated, 0);
    EXPECT_EQ(windows.events,
              (QStringList{"splash", "main created", "main shown", "splash closed"}));
    EXPECT_EQ(windows.mainCaption, QStringLiteral("ZEL308Tools Version 1.0 Build 0"));
    // SaveLoadEnabled defaults to yes; reset, version, link test and protocol default to hidden.
    EXPECT_EQ(windows.hiddenButtons, (QList<int>{7, 8, 9, 12}));
    EXPECT_TRUE(windows.testButton);
    EXPECT_EQ(ui.status, QStringLiteral(" Ready"));
    EXPECT_TRUE(logged(QStringLiteral("Init")));
    // First start: nothing stored, the window is centred on the screen.
    EXPECT_EQ(windows.placement.left, (windows.screen.width() - 14250) / 2);
}

TEST_F(StartupTest, FailingSettingShowsItsStepTextAndEndsWithoutQuery)
{
    set(QStringLiteral("Main"), QStringLiteral("Layer_NumFaders"), QStringLiteral("15"));
    EXPECT_EQ(start(), 20);
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(ui.boxes[0].title, QStringLiteral("ZEL308Tools"));
    EXPECT_EQ(ui.boxes[0].text, StartupStepText(20, true));
    EXPECT_TRUE(ui.queries.isEmpty());
    EXPECT_TRUE(logged(QStringLiteral("QueryEndProg_NoQuery")));
    EXPECT_EQ(terminated, 1);
    EXPECT_FALSE(app->settings().InitDone);
}

TEST_F(StartupTest, PortThatCannotBeOpenedOffersTheSettingsOnceThenEnds)
{
    for (int i = 0; i < 4; ++i)
        port.openResults.append(PortResult::failure(QStringLiteral("no such port"), PortNotFound));
    EXPECT_EQ(start(), 43);
    EXPECT_EQ(windows.events.count(QStringLiteral("port settings")), 1);
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, StartupStepText(43, true));
    EXPECT_EQ(terminated, 1);
}

TEST_F(StartupTest, PortRepairedInTheSettingsDialogLetsStartUpGoOn)
{
    port.openResults.append(PortResult::failure(QStringLiteral("busy"), PortInUse));
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(windows.events.count(QStringLiteral("port settings")), 1);
    EXPECT_TRUE(app->settings().InitDone);
}

TEST_F(StartupTest, MissingStartupFileEndsTheProgramAfterTheWindowIsShown)
{
    set(QStringLiteral("Main"), QStringLiteral("LoadAtStartup_Default"), QStringLiteral("missing.DAT"));
    EXPECT_EQ(start(), 18);
    EXPECT_EQ(terminated, 1);
    EXPECT_FALSE(windows.events.contains(QStringLiteral("main created")));
}

TEST_F(StartupTest, EnglishStepTextsForAnyOtherLanguage)
{
    set(QStringLiteral("Main"), QStringLiteral("Language"), QStringLiteral("eng"));
    set(QStringLiteral("Main"), QStringLiteral("TextLenInput"), QStringLiteral("abc"));
    EXPECT_EQ(start(), 24);
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, StartupStepText(24, false));
}

} // namespace
