#include "AppFixture.h"

#include "CommandDispatcher.h"
#include "LinkCommands.h"
#include "SerialLink.h"

#include <QEventLoop>
#include <QTimer>

namespace {

class CommandDispatcherTest : public AppFixture
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(start(), 0);
        // The main window's first activation opens the port.
        ASSERT_TRUE(app->link().OpenPort());
        // What the pages store while their selection lists are empty: no position.
        DataSet& d = app->data().Current;
        for (auto& part : d.OutputPickoff)
            part.fill(-1);
        d.MonChannel = d.EsamFrames = d.EsamChannels = d.StartUpConf = -1;
        d.PeakPickoff.fill(-1);
        d.ExtMon.fill(-1);
        app->data().ACUVersion.set(QString());
    }
    QByteArray written() const { return port.written(); }
};

TEST_F(CommandDispatcherTest, NoToQuerySendDataSendsNothingAndKeepsThePendingKind)
{
    app->linkCommands().setPendingTransferKind(QStringLiteral("20"));
    ui.answers = {false};
    app->InterpretMenuCommand(5);
    EXPECT_TRUE(written().isEmpty());
    EXPECT_EQ(app->linkCommands().PendingTransferKind(), QStringLiteral("20"));
}

TEST_F(CommandDispatcherTest, SendTimerSendsTheDataSetWithoutAskingAndClearsThePendingKind)
{
    app->linkCommands().setPendingTransferKind(QStringLiteral("20"));
    app->InterpretMenuCommand(107);
    EXPECT_TRUE(ui.queries.isEmpty());
    ASSERT_FALSE(written().isEmpty());
    EXPECT_EQ(quint8(written().at(0)), 0x85);
    EXPECT_TRUE(written().endsWith('\r'));
    EXPECT_TRUE(app->linkCommands().PendingTransferKind().isEmpty());
    EXPECT_GT(app->linkCommands().SentChecksum(), 0);
    // No device answers: the wait for "86" times out.
    EXPECT_TRUE(logged(QStringLiteral("Comm_Timeout_Short")));
}

TEST_F(CommandDispatcherTest, FramesOfTheLinkCommands)
{
    struct Case
    {
        int number;
        bool asks;
        QByteArray frame;
    };
    const Case cases[] = {
        {6, true, QByteArray("\x84" "20\r")},
        {106, false, QByteArray("\x84" "20\r")},
        {7, true, QByteArray("\x87\r")},
        {8, false, QByteArray("\x82\r")},
        {9, false, QByteArray("\x80\r")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        port.chunks.clear();
        ui.queries.clear();
        ui.answers = {true};
        app->InterpretMenuCommand(c.number);
        EXPECT_EQ(written(), c.frame);
        EXPECT_EQ(ui.queries.size(), c.asks ? 1 : 0);
        ui.answers.clear();
    }
}

// While the link test waits for its answer, a version query is refused and the
// send timer's command waits until the link test is over.
TEST_F(CommandDispatcherTest, DuringAWaitOtherLinkCommandsAreRefusedAndTheSendTimerWaits)
{
    QObject timers;
    QTimer::singleShot(50, &timers, [this] {
        app->InterpretMenuCommand(8);
        app->InterpretMenuCommand(107);
    });
    QTimer::singleShot(100, &timers, [this] {
        EXPECT_EQ(written(), QByteArray("\x80\r")) << "nothing else while the link test waits";
        port.receive("\x81\r");
    });
    app->InterpretMenuCommand(9);
    EXPECT_EQ(written(), QByteArray("\x80\r"));
    EXPECT_TRUE(logged(QStringLiteral("Interpret_MenuCommand_Err")));
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    ASSERT_GT(written().size(), 2);
    EXPECT_EQ(quint8(written().at(2)), 0x85) << "the data set goes out once the link test is done";
    EXPECT_FALSE(written().contains("\x82\r"));
}

// The send timer's command for a device's data request that comes while a
// result box is open waits until the box is answered: it would cover the box.
TEST_F(CommandDispatcherTest, SendTimerWaitsBehindAnOpenBox)
{
    app->settings().ShowMsgBox = true;
    QByteArray writtenWhileOpen = "box never opened";
    ui.whileBoxOpen = [&](const FakeUserInterface::Box& box) {
        if (box.text != QStringLiteral("Comm_OnlineTest_Info"))
            return;
        app->InterpretMenuCommand(107);
        QEventLoop open;
        QTimer::singleShot(100, &open, &QEventLoop::quit);
        open.exec();
        writtenWhileOpen = written();
    };
    port.receive("\x81\r");
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    EXPECT_TRUE(writtenWhileOpen.isEmpty());
    ASSERT_FALSE(written().isEmpty());
    EXPECT_EQ(quint8(written().at(0)), 0x85);
}

TEST_F(CommandDispatcherTest, SeparatorNumberIsLoggedAsUnknown)
{
    app->InterpretMenuCommand(4);
    EXPECT_TRUE(logged(QStringLiteral("Interpret_MenuCommand_Err")));
    EXPECT_TRUE(ui.boxes.isEmpty());
    EXPECT_TRUE(written().isEmpty());
}

TEST_F(CommandDispatcherTest, VersionIsSentAsHexOrRefusedWhenEmpty)
{
    app->InterpretMenuCommand(108);
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Stop);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Keine ACU Versionsnummer angegeben..."));
    EXPECT_TRUE(written().isEmpty());

    app->data().ACUVersion.set(QStringLiteral("1204"));
    app->InterpretMenuCommand(108);
    EXPECT_EQ(written(), QByteArray("\x89" "31323034\r"));
    EXPECT_EQ(ui.status, QString::fromUtf8(" ACU Versionsnummer übertragen"));
}

TEST_F(CommandDispatcherTest, WindowCommandsOpenTheirWindows)
{
    app->InterpretMenuCommand(10);
    app->InterpretMenuCommand(12);
    app->InterpretMenuCommand(13);
    EXPECT_TRUE(windows.events.contains(QStringLiteral("port settings")));
    EXPECT_TRUE(windows.events.contains(QStringLiteral("protocol")));
    EXPECT_TRUE(windows.events.contains(QStringLiteral("about")));
}

TEST_F(CommandDispatcherTest, SaveAndOpenGoThroughTheDataFile)
{
    const QString path = folder.file(QStringLiteral("saved.DAT"));
    app->data().Current.InputName[0][0].set(QStringLiteral("MIC 1"));
    ui.dialogAnswers = {path};
    app->InterpretMenuCommand(2);
    EXPECT_EQ(TestFolder::read(path).size(), 8449);
    EXPECT_EQ(app->dispatcher().currentDataFile(), path);

    app->data().Current.InputName[0][0].set(QStringLiteral("OTHER"));
    ui.dialogAnswers = {path};
    ui.answers = {true};
    app->InterpretMenuCommand(1);
    EXPECT_EQ(app->data().Current.InputName[0][0].trimmedRight(), QStringLiteral("MIC 1"));
    EXPECT_EQ(ui.status, QStringLiteral(" ReadingData_Ok"));
}

} // namespace
