#include "LinkFixture.h"

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

class ReceiveTest : public LinkFixture
{
protected:
    ReceiveTest()
    {
        QObject::connect(link.get(), &SerialLink::frameReceived,
                         [this](const QString& code, const QByteArray& frame) {
                             frames.append({code, frame});
                         });
    }
    QList<QPair<QString, QByteArray>> frames;
};

TEST_F(ReceiveTest, BytesBeforeTheStartByteAreDiscarded)
{
    port.receive(bytes({0x41, 0x42, 0x86, 0x31, 0x0D}));
    EXPECT_EQ(link->RxDiscarded(), QByteArray("AB"));
    EXPECT_EQ(link->RxBuffer(), bytes({0x86, 0x31, 0x0D}));
    EXPECT_TRUE(link->timerComm().isActive());
    EXPECT_EQ(link->timerComm().interval(), 20);

    runFor(60);
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0].first, QStringLiteral("86"));
    EXPECT_EQ(frames[0].second, bytes({0x86, 0x31, 0x0D}));
    EXPECT_TRUE(link->RxBuffer().isEmpty());
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Receiving_Data")));
    EXPECT_FALSE(link->timerComm().isActive());
}

TEST_F(ReceiveTest, OnlyBytes80To89StartAFrame)
{
    for (int b : {0x7F, 0x8A, 0x8F, 0x90, 0xFF, 0x0D, 0x31}) {
        port.receive(bytes({b, 0x31, 0x0D}));
        EXPECT_TRUE(link->RxBuffer().isEmpty()) << b;
    }
    for (int b = 0x80; b <= 0x89; ++b) {
        port.receive(bytes({b}));
        EXPECT_EQ(link->RxBuffer(), bytes({b}));
        port.receive(bytes({0x0D}));
        runFor(40);
    }
    ASSERT_EQ(frames.size(), 10);
    EXPECT_EQ(frames.first().first, QStringLiteral("80"));
    EXPECT_EQ(frames.last().first, QStringLiteral("89"));
}

TEST_F(ReceiveTest, NullBytesAreDiscardedByThePort)
{
    port.receive(bytes({0x00, 0x81, 0x00, 0x0D}));
    EXPECT_EQ(link->RxBuffer(), bytes({0x81, 0x0D}));
}

TEST_F(ReceiveTest, TwoFramesInOneChunkAreBothHandedOverWithinOneInterval)
{
    link->settings().TimerInterval = 200;
    port.receive(bytes({0x81, 0x0D, 0x41, 0x88, 0x0D}));
    EXPECT_EQ(link->RxBuffer(), bytes({0x81, 0x0D}));
    runFor(330); // the second interval would end at 400
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0].second, bytes({0x81, 0x0D}));
    EXPECT_EQ(frames[1].second, bytes({0x88, 0x0D}));
}

// A device that sends link tests faster than the receive timer runs: each frame
// is handed over one interval after its end byte, not once the device stops.
TEST_F(ReceiveTest, FramesComingFasterThanTheTimerAreHandedOverOneIntervalAfterTheirEnd)
{
    link->settings().TimerInterval = 200;
    QElapsedTimer clock;
    clock.start();
    QList<qint64> sentAt;
    QList<qint64> handedAt;
    QObject::connect(link.get(), &SerialLink::frameReceived, [&] { handedAt.append(clock.elapsed()); });
    for (int i = 0; i < 15; ++i)
        later(80 * i, [&] {
            sentAt.append(clock.elapsed());
            port.receive(QByteArray("\x80\r"));
        });
    runFor(80 * 14 + 400);
    ASSERT_EQ(handedAt.size(), 15);
    for (int i = 0; i < 15; ++i)
        EXPECT_LE(handedAt[i] - sentAt[i], 200 + 150) << "frame " << i;
}

TEST_F(ReceiveTest, StartByteInsideAFrameDropsTheTornOne)
{
    port.receive(QByteArray("\x85"
                            "2002"));
    port.receive(QByteArray("\x86"
                            "3335\r"));
    EXPECT_EQ(link->RxBuffer(), QByteArray("\x86"
                                           "3335\r"));
    EXPECT_TRUE(sink.has(QStringLiteral("incomplete frame 85 of 5 bytes dropped")));
    runFor(40);
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0].first, QStringLiteral("86"));
}

TEST_F(ReceiveTest, OverlongFrameWithoutEndByteIsDropped)
{
    port.receive(QByteArray(1, char(0x85)) + QByteArray(FrameCollector::MaxFrameBytes, 'A'));
    EXPECT_TRUE(link->RxBuffer().isEmpty());
    EXPECT_TRUE(sink.has(QStringLiteral("without end byte dropped")));
    port.receive(QByteArray("\x81\r"));
    runFor(40);
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0].first, QStringLiteral("81"));
}

TEST_F(ReceiveTest, IncompleteFrameTimesOut)
{
    settings.ShowMsgBox = true;
    port.receive(QByteArray("\x85"
                            "20"));
    runFor(1200);
    EXPECT_TRUE(frames.isEmpty());
    EXPECT_TRUE(link->RxBuffer().isEmpty());
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Timeout_Short")));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_Timeout_Short"));
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Comm_Timeout_Completing_Data"));
    EXPECT_FALSE(link->WaitBusy());
}

TEST_F(ReceiveTest, RestOfAFrameArrivingDuringTheWaitCompletesIt)
{
    port.receive(QByteArray("\x85"
                            "20"));
    later(100, [this] { port.receive(QByteArray("02\r")); });
    runFor(200);
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0].second, QByteArray("\x85"
                                           "2002\r"));
    EXPECT_FALSE(ui.transferDialogVisible);
}

TEST_F(ReceiveTest, CancelWhileCompletingDropsTheFrame)
{
    port.receive(QByteArray("\x85"
                            "20"));
    later(100, [this] { ui.cancelTransfer(); });
    runFor(200);
    EXPECT_TRUE(frames.isEmpty());
    EXPECT_TRUE(link->RxBuffer().isEmpty());
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Cancelled")));
}

TEST_F(ReceiveTest, WaitForResponseSeesOnlyTheAwaitedCode)
{
    later(50, [this] {
        port.receive(QByteArray("\x86"
                                "3335\r"));
    });
    EXPECT_TRUE(link->WaitForResponse(QStringLiteral("86"), QStringLiteral("Warten")));
    EXPECT_EQ(link->RxBuffer(), QByteArray("\x86"
                                           "3335\r"))
        << "left for the receive timer";
    EXPECT_FALSE(link->WaitingForResponse());
    EXPECT_TRUE(frames.isEmpty());
    runFor(40);
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(ui.transferCaptions.first(), QStringLiteral("Warten"));
}

// A wait hands over every other frame it sees, so none blocks the one it waits for.
TEST_F(ReceiveTest, WaitHandsOverTheFramesItIsNotWaitingFor)
{
    struct Case
    {
        const char* name;
        const char* awaited;
        QList<QByteArray> writes; // 50 ms apart
        bool seen;
        QStringList handedDuringTheWait;
    };
    const Case cases[] = {
        {"data while the checksum is awaited", "86", {"\x85" "2002\r"}, false, {"85"}},
        {"a link test and the checksum in one write", "86", {"\x80\r\x86" "3335\r"}, true, {"80"}},
        {"the answer of a link test, then the data", "85", {"\x81\r", "\x85" "2002\r"}, true, {"81"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frames.clear();
        for (qsizetype i = 0; i < c.writes.size(); ++i)
            later(50 * int(i + 1), [this, bytes = c.writes[i]] { port.receive(bytes); });
        const bool seen = link->WaitForResponse(QString::fromLatin1(c.awaited));
        QStringList handed;
        for (const auto& frame : frames)
            handed.append(frame.first);
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(handed, c.handedDuringTheWait);
        runFor(60);
        EXPECT_EQ(frames.size(), c.handedDuringTheWait.size() + (c.seen ? 1 : 0))
            << "the awaited frame follows on the next tick";
        EXPECT_TRUE(link->RxBuffer().isEmpty());
    }
}

TEST_F(ReceiveTest, WaitForResponseWithTimeOutZeroWaitsForTheAnswer)
{
    link->settings().TimeOut = 0;
    later(1200, [this] { port.receive(QByteArray("\x81\r")); });
    EXPECT_TRUE(link->WaitForResponse(QStringLiteral("81")));
    runFor(60);

    later(1200, [this] { ui.cancelTransfer(); });
    EXPECT_FALSE(link->WaitForResponse(QStringLiteral("81")));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_Cancelled"));
}

TEST_F(ReceiveTest, PortLostDuringWaitForResponseEndsItAtOnce)
{
    later(50, [this] { port.vanish(QStringLiteral("Input/output error")); });
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(link->WaitForResponse(QStringLiteral("86")));
    EXPECT_LT(t.elapsed(), 500);
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_WaitForResponse_Err")));
    EXPECT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Comm_PortLost_Err"));
    EXPECT_FALSE(link->WaitingForResponse());
}

TEST_F(ReceiveTest, FrameCompletedDuringATransmissionWaitsUntilItIsOut)
{
    port.drainMs = 150;
    later(10, [this] { port.receive(QByteArray("\x80\r")); });
    QByteArray outgoing = QByteArray("\x85") + QByteArray(100, '0') + QByteArray("\r");
    ASSERT_TRUE(link->TransmitData(outgoing));
    EXPECT_TRUE(frames.isEmpty()) << "no answer may be put in the middle of the frame";
    runFor(60);
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0].first, QStringLiteral("80"));
}

TEST_F(ReceiveTest, DebugMonitorGetsWhatItsLevelAsksFor)
{
    QList<QPair<QByteArray, bool>> shown;
    QObject::connect(link.get(), &SerialLink::debugOutput, [&](const QByteArray& b, bool isFrame) {
        shown.append({b, isFrame});
    });
    link->setDebugLevel(2);
    port.receive(QByteArray("xy"));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].first, QByteArray("xy"));
    EXPECT_FALSE(shown[0].second);
    link->showInDebugMonitor(QByteArray("\x81\r"), true);
    EXPECT_EQ(shown.size(), 1) << "level 2 shows no frames";
    link->setDebugLevel(1);
    port.receive(QByteArray("zz"));
    link->showInDebugMonitor(QByteArray("\x81\r"), true);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[1].second);
    link->setDebugLevel(3);
    port.receive(QByteArray("q\x81\r"));
    runFor(40);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[2].first, QByteArray("q"));
}
