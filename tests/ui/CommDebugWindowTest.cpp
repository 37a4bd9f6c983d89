#include "CommDebugWindow.h"

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "FakeClock.h"
#include "FakeUserInterface.h"
#include "MessageTexts.h"
#include "QtSerialControl.h"
#include "SerialLink.h"
#include "SettingsFile.h"
#include "TestFolder.h"
#include "Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

class CommDebugWindowTest : public ::testing::Test
{
protected:
    CommDebugWindowTest()
    {
        settings.ProgramFolder = folder.path();
        settings.ProgramFileName = QStringLiteral("ZEL308Tools");
        settings.SettingsFile = folder.write(QStringLiteral("ZEL308Tools.Ini"), "[Comm]\r\nDebug=3\r\n");
        messages = std::make_unique<MessageTexts>(settings.SettingsFile, settings.Language);
        log = std::make_unique<AppLog>(clock, folder.path(), settings.ProgramFileName, true);
        log->setToFileDisabled(true);
        ctx = std::make_unique<AppContext>(AppContext{settings, *messages, *log, ui, clock});
        port = std::make_unique<QtSerialControl>(settings.SettingsFile);
        link = std::make_unique<SerialLink>(*ctx, *port);
        link->setDebugLevel(3);
    }

    std::unique_ptr<CommDebugWindow> makeWindow()
    {
        return std::make_unique<CommDebugWindow>(*link, settings.SettingsFile);
    }

    // The view shows the text, CR LF as a row end and no row longer than RowWidth;
    // edited in place it looks as if it had been loaded afresh.
    static void expectViewShows(const QPlainTextEdit* view, const QString& text)
    {
        const QString shown = view->toPlainText();
        EXPECT_EQ(QString(shown).remove(QLatin1Char('\n')), QString(text).remove(QStringLiteral("\r\n")));
        for (const QString& row : shown.split(QLatin1Char('\n')))
            ASSERT_LE(row.size(), CommDebugWindow::RowWidth);
        EXPECT_EQ(shown, CommDebugWindow::shownRows(text));
    }
    static void expectViewsFollow(const CommDebugWindow& window)
    {
        expectViewShows(window.hexView(), window.hexText());
        expectViewShows(window.asciiView(), window.asciiText());
    }

    QString screen(const QString& key) const
    {
        return ReadSetting(settings.SettingsFile, QStringLiteral("Screen"),
                           QStringLiteral("Comm_Debug_Coord_") + key, QString());
    }

    TestFolder folder;
    AppSettings settings;
    FakeClock clock;
    FakeUserInterface ui;
    std::unique_ptr<MessageTexts> messages;
    std::unique_ptr<AppLog> log;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<QtSerialControl> port;
    std::unique_ptr<SerialLink> link;
};

TEST_F(CommDebugWindowTest, ShowsWhatTheLinkHandsOver)
{
    auto window = makeWindow();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmCommDebug"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("COMM Debug (L\u00F6schen mit <F12>)"));
    EXPECT_TRUE(window->hexText().isEmpty());

    link->showInDebugMonitor(QByteArray("\x85"
                                        "2002\r"),
                             true);
    EXPECT_EQ(window->hexText(), QStringLiteral("|-85-| 20 | 02 |-0D-| "));
    EXPECT_EQ(window->asciiText(), QStringLiteral("|-85-|    |    |-0D-| "));
    link->showInDebugMonitor(QByteArray("AB"), false);
    EXPECT_EQ(window->hexText(), QStringLiteral("|-85-| 20 | 02 |-0D-|-41-|-42-| "));
    EXPECT_EQ(window->asciiText(), QStringLiteral("|-85-|    |    |-0D-| A  | B  | "));
    expectViewsFollow(*window);

    Q_EMIT link->debugFrameSent(QByteArray("\x86"
                                           "3335\r"));
    EXPECT_TRUE(window->hexText().endsWith(QStringLiteral("-42-|\r\nTx|-86-| 33 | 35 |-0D-|\r\n")));
    EXPECT_TRUE(window->asciiText().endsWith(QStringLiteral("\r\nTx|-86-| 3  | 5  |-0D-|\r\n")));
    expectViewsFollow(*window);
    EXPECT_EQ(window->hexView()->textCursor().position(),
              window->hexView()->document()->characterCount() - 1);
}

TEST_F(CommDebugWindowTest, ViewsFollowTheTextThroughCutsAndLongLines)
{
    auto window = makeWindow();
    const QByteArray frame = QByteArray("\x85") + QByteArray(300, '4') + "\r";
    for (int i = 0; i < 150; ++i)
        window->DebugAusgabe(frame, true);
    // 150 frames without a line break make about 90000 characters; the latest stay.
    EXPECT_LE(window->hexText().size(), 20480);
    EXPECT_TRUE(window->hexText().endsWith(QStringLiteral("| 44 | 44 |-0D-| ")));
    expectViewsFollow(*window);
    EXPECT_LE(window->hexView()->document()->blockCount(), 20480 / CommDebugWindow::RowWidth + 1);
    EXPECT_EQ(window->hexView()->document()->blockCount(), window->asciiView()->document()->blockCount())
        << "cells are as wide in both views, so their rows match";

    window->clearViews();
    for (int i = 0; i < 300; ++i) {
        window->showSentFrame(frame);
        window->DebugAusgabe(QByteArray("x"), false);
    }
    EXPECT_LT(window->hexText().size(), DebugViewText::Bound + 1000);
    expectViewsFollow(*window);

    // Every kind of output in a random order, with the rows checked after each step.
    window->clearViews();
    QRandomGenerator random(312);
    for (int i = 0; i < 600 && !HasFatalFailure(); ++i) {
        const QByteArray payload(random.bounded(0, 40), '3');
        switch (random.bounded(5)) {
        case 0:
            window->showSentFrame("\x80" + payload + "\r");
            break;
        case 1:
            window->DebugAusgabe(payload.isEmpty() ? QByteArray("?") : payload, false);
            break;
        case 2: // noise: long runs without a line break, now and then longer than the view keeps
            window->DebugAusgabe(QByteArray(random.bounded(1, 5000), char('A' + i % 26)), false);
            break;
        default:
            window->DebugAusgabe("\x85" + payload + "\r", true);
        }
        expectViewsFollow(*window);
    }
}

TEST_F(CommDebugWindowTest, F12EmptiesBothViews)
{
    auto window = makeWindow();
    window->show();
    window->DebugAusgabe(QByteArray("AB"), false);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier);
    QApplication::sendEvent(window->asciiView(), &other);
    EXPECT_FALSE(window->hexText().isEmpty());
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(window->asciiView(), &f12);
    EXPECT_TRUE(window->hexText().isEmpty());
    EXPECT_TRUE(window->asciiText().isEmpty());
    EXPECT_TRUE(window->hexView()->toPlainText().isEmpty());
    EXPECT_TRUE(window->asciiView()->toPlainText().isEmpty());
    window->DebugAusgabe(QByteArray("A"), false);
    EXPECT_EQ(window->asciiText(), QStringLiteral("| A  | ")) << "an emptied view starts over with \"|\"";
}

TEST_F(CommDebugWindowTest, PlacementStoredOnCloseAndRestoredOnLoad)
{
    {
        auto first = makeWindow();
        EXPECT_EQ(first->size(), Twips::toPixels(8000, 6000)) << "no stored placement: default size, centred";
        first->setGeometry(Twips::toPixels(1500, 750, 6000, 3000));
        first->show();
        first->close();
    }
    EXPECT_EQ(screen(QStringLiteral("X")), QStringLiteral("1500"));
    EXPECT_EQ(screen(QStringLiteral("Y")), QStringLiteral("750"));
    EXPECT_EQ(screen(QStringLiteral("W")), QStringLiteral("6000"));
    EXPECT_EQ(screen(QStringLiteral("H")), QStringLiteral("3000"));
    auto second = makeWindow();
    EXPECT_EQ(second->geometry(), Twips::toPixels(1500, 750, 6000, 3000));
}

TEST_F(CommDebugWindowTest, ClosingEndsTheDebugOutputForTheRun)
{
    auto window = makeWindow();
    window->show();
    window->close();
    EXPECT_EQ(link->DebugLevel(), 0);
    link->showInDebugMonitor(QByteArray("AB"), false);
    link->showInDebugMonitor(QByteArray("\x81\r"), true);
    EXPECT_TRUE(window->hexText().isEmpty());

    window.reset();
    auto late = makeWindow();
    link.reset();
    late->show();
    late->close(); // the link is gone by now; closing must not touch it
}

TEST_F(CommDebugWindowTest, ResizeSplitsTheWindowBetweenTheViews)
{
    auto window = makeWindow();
    window->show();
    window->resize(400, 301);
    EXPECT_EQ(window->hexView()->geometry(), QRect(0, 0, 400, 150));
    EXPECT_EQ(window->asciiView()->geometry(), QRect(0, 150, 400, 150));
}
