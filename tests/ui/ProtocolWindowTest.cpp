#include "ProtocolWindow.h"

#include "Twips.h"
#include "UiTestEnv.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

TEST(ProtocolWindow, LineGetsOneBlankInFrontAndCrLfBehind)
{
    UiTestEnv env;
    ProtocolWindow window(*env.messages, env.settings.Language);
    window.appendLine(QStringLiteral("abc"), 0);
    EXPECT_EQ(window.text(), QStringLiteral(" abc\r\n"));
    window.appendLine(QStringLiteral("def"), 255);
    EXPECT_EQ(window.text(), QStringLiteral(" abc\r\n def\r\n"));
    EXPECT_EQ(window.view()->toPlainText(), QStringLiteral(" abc\n def"));
    EXPECT_TRUE(window.view()->isReadOnly());
}

// 20470 characters and a 20-character line give n = 10: the text through the
// last line break at or before position 10 goes.
TEST(ProtocolWindow, OldestLinesGoAtALineBreak)
{
    UiTestEnv env;
    ProtocolWindow window(*env.messages, env.settings.Language);
    // " 1234\r\n" (7) then filler lines up to 20470 characters.
    window.appendLine(QStringLiteral("1234"), 0);
    const QString filler(20470 - 7 - 3, QLatin1Char('x'));
    window.appendLine(filler, 0);
    ASSERT_EQ(window.text().size(), 20470);
    window.appendLine(QString(20, QLatin1Char('y')), 0);
    EXPECT_TRUE(window.text().startsWith(QLatin1Char(' ') + filler));
    EXPECT_EQ(window.text().size(), 20470 - 7 + 23);
    EXPECT_EQ(window.view()->toPlainText(),
              QString(window.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).chopped(1));
}

TEST(ProtocolWindow, NothingIsDroppedWhenTheFirstLineBreakLiesBeyond)
{
    UiTestEnv env;
    ProtocolWindow window(*env.messages, env.settings.Language);
    window.appendLine(QString(20470 - 3, QLatin1Char('x')), 0);
    window.appendLine(QString(20, QLatin1Char('y')), 0);
    EXPECT_EQ(window.text().size(), 20470 + 23);
}

TEST(ProtocolWindow, TextsLoadAtFirstShowingAndOkOnlyHides)
{
    UiTestEnv env(
        "[Messages_GER]\nForm_Proto.Caption=Protokoll der Sitzung\nForm_Proto.ToolTip=Alle Meldungen\n");
    ProtocolWindow window(*env.messages, env.settings.Language);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Protokoll"));
    window.appendLine(QStringLiteral("kept"), 0);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Protokoll der Sitzung"));
    EXPECT_EQ(window.view()->toolTip(), QStringLiteral("Alle Meldungen"));
    window.okButton()->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.text(), QStringLiteral(" kept\r\n"));
}

TEST(ProtocolWindow, MissingTooltipIsEmptyAndGeometryIsInTwips)
{
    UiTestEnv env;
    ProtocolWindow window(*env.messages, env.settings.Language);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Form_Proto.Caption"));
    EXPECT_EQ(window.view()->toolTip(), QString());
    EXPECT_EQ(window.view()->geometry(), Twips::toPixels(120, 120, 8295, 4095));
    EXPECT_EQ(window.okButton()->geometry(), Twips::toPixels(3720, 4440, 1095, 375));
}

// Lines longer than the view: the newest one shows from its first character,
// its weekday and date, and is in view.
TEST(ProtocolWindow, ViewShowsTheBeginningOfTheNewestLine)
{
    UiTestEnv env;
    ProtocolWindow window(*env.messages, env.settings.Language);
    window.show();
    for (int i = 0; i < 40; ++i)
        window.appendLine(QStringLiteral("Mo  07.12.2026  10:30:%1   ").arg(i, 2, 10, QLatin1Char('0')) +
                              QString(200, QLatin1Char('x')),
                          0);
    QPlainTextEdit* view = window.view();
    EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
    window.hide();
    window.show();
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
}

} // namespace
