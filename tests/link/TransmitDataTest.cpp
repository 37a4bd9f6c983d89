#include "LinkFixture.h"

namespace {

QByteArray frameOf(qsizetype size)
{
    QByteArray frame(size, '0');
    frame[0] = char(0x85);
    frame[size - 1] = 0x0D;
    return frame;
}

} // namespace

using TransmitDataTest = LinkFixture;

TEST_F(TransmitDataTest, SendsChunksOfOutBufferSizeEachDrainedBeforeTheNext)
{
    port.drainMs = 5;
    ASSERT_TRUE(link->TransmitData(frameOf(1958), QStringLiteral("Senden")));

    ASSERT_EQ(port.chunks.size(), 4);
    EXPECT_EQ(port.chunks[0].size(), 512);
    EXPECT_EQ(port.chunks[1].size(), 512);
    EXPECT_EQ(port.chunks[2].size(), 512);
    EXPECT_EQ(port.chunks[3].size(), 422);
    EXPECT_EQ(port.pendingAtOutput, (QList<qint64>{0, 0, 0, 0}));
    EXPECT_EQ(port.written(), frameOf(1958));
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_TransmitData_Info")));
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_TransferDone")));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_TransferDone"));
    EXPECT_FALSE(ui.busy);
    EXPECT_FALSE(ui.transferDialogVisible);
    EXPECT_EQ(ui.transferCaptions, QStringList{QStringLiteral("Senden")});
}

TEST_F(TransmitDataTest, OutBufferSizeZeroSendsTheWholeFrameAtOnce)
{
    port.setPortOpen(false);
    ASSERT_TRUE(port.setOutBufferSize(0).ok());
    port.setPortOpen(true);
    ASSERT_TRUE(link->TransmitData(frameOf(1958)));
    ASSERT_EQ(port.chunks.size(), 1);
    EXPECT_EQ(port.chunks[0].size(), 1958);
}

TEST_F(TransmitDataTest, OneDeadlineForTheWholeFrame)
{
    // Each chunk drains within the time-out, the frame as a whole does not.
    port.drainMs = 400;
    EXPECT_FALSE(link->TransmitData(frameOf(1958)));
    EXPECT_EQ(port.chunks.size(), 3);
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_TransmitData_Timeout_Err")));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_TransmitData_Timeout_Err"));
    EXPECT_TRUE(ui.boxes.isEmpty()) << "ShowMsgBox is off";
    EXPECT_FALSE(ui.busy);
    EXPECT_FALSE(ui.transferDialogVisible);
}

TEST_F(TransmitDataTest, TimeOutBoxOnlyWithShowMsgBox)
{
    settings.ShowMsgBox = true;
    port.drainMs = -1;
    EXPECT_FALSE(link->TransmitData(frameOf(10)));
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Comm_TransmitData_Timeout_Err"));
    EXPECT_EQ(ui.boxes[0].title, QStringLiteral("ZEL308Tools"));
    EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Exclamation);
}

TEST_F(TransmitDataTest, CancelEndsTheTransmission)
{
    port.drainMs = -1;
    later(50, [this] { ui.cancelTransfer(); });
    EXPECT_FALSE(link->TransmitData(frameOf(10)));
    EXPECT_TRUE(link->CancelRequested());
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Action_Cancelled")));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_Action_Cancelled"));
    EXPECT_FALSE(ui.transferDialogVisible);
}

TEST_F(TransmitDataTest, TimeOutZeroWaitsUntilDoneOrCancelled)
{
    link->settings().TimeOut = 0;
    port.drainMs = 1200; // longer than a time-out of 1 s
    EXPECT_TRUE(link->TransmitData(frameOf(10)));

    port.drainMs = -1;
    later(1200, [this] { ui.cancelTransfer(); });
    EXPECT_FALSE(link->TransmitData(frameOf(10)));
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Action_Cancelled")));
    EXPECT_FALSE(sink.has(QStringLiteral("Timeout")));
}

TEST_F(TransmitDataTest, FailedOutputIsShownInABoxEvenWithoutShowMsgBox)
{
    port.setPortOpen(false);
    EXPECT_FALSE(link->TransmitData(frameOf(10)));
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Comm_TransmitData_Err"));
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_TransmitData_Err")));
    EXPECT_FALSE(ui.busy);
}

TEST_F(TransmitDataTest, PendingCaptionIsTakenByTheNextShowingOnly)
{
    ASSERT_TRUE(link->TransmitData(frameOf(4), QStringLiteral("Anfrage")));
    EXPECT_TRUE(link->PendingCaption().isEmpty());
    ASSERT_TRUE(link->TransmitData(frameOf(4)));
    EXPECT_EQ(ui.transferCaptions, (QStringList{QStringLiteral("Anfrage"), QString()}));

    link->settings().ShowCancelDialog = false;
    ASSERT_TRUE(link->TransmitData(frameOf(4), QStringLiteral("Versteckt")));
    EXPECT_EQ(ui.transferCaptions.size(), 2) << "no dialog without ShowCancelDialog";
    EXPECT_EQ(link->PendingCaption(), QStringLiteral("Versteckt"));
}

TEST_F(TransmitDataTest, VanishedPortEndsTheTransferAtOnceReportsOnceAndReopensNextTime)
{
    setMessage(QStringLiteral("Comm_PortLost_Err"), QStringLiteral("COM& verloren: &"));
    port.drainMs = -1;
    later(50, [this] { port.vanish(QStringLiteral("Input/output error")); });
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(link->TransmitData(frameOf(1958)));
    EXPECT_LT(t.elapsed(), 500);
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(link->PortIsOpen());
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("COM1 verloren: Input/output error"));
    EXPECT_EQ(sink.count(QStringLiteral("COM1 verloren")), 1);
    EXPECT_FALSE(ui.transferDialogVisible);
    EXPECT_FALSE(ui.busy);

    port.drainMs = 0;
    const int opensBefore = port.opens;
    EXPECT_TRUE(link->TransmitData(frameOf(4)));
    EXPECT_EQ(port.opens, opensBefore + 1);
    EXPECT_TRUE(link->PortIsOpen());
}

TEST_F(TransmitDataTest, PortLostWhileIdleIsReportedOnce)
{
    port.vanish(QStringLiteral("Input/output error"));
    EXPECT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(sink.count(QStringLiteral("Comm_PortLost_Err")), 1);
}
