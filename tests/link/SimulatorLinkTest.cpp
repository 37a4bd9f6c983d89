#include "SimulatorFixture.h"

#include <QElapsedTimer>

using SimulatorLinkTest = SimulatorFixture;

TEST_F(SimulatorLinkTest, LinkTestIsAnswered)
{
    startDevice();
    EXPECT_EQ(exchange("\x80\r", QStringLiteral("81")), QByteArray("\x81\r"));
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 80")));
}

TEST_F(SimulatorLinkTest, StatusTextsComeBackAsOneFrame)
{
    startDevice();
    const QByteArray frame = exchange("\x82\r", QStringLiteral("83"));
    ASSERT_FALSE(frame.isEmpty());
    const QByteArray block = QByteArray::fromHex(frame.mid(1, frame.size() - 2));
    EXPECT_EQ(quint8(block.at(0)), 15);
    EXPECT_EQ(block.mid(1, 15), QByteArray("Device status 1"));
}

TEST_F(SimulatorLinkTest, DataSetRequestAndSendWithChecksum)
{
    startDevice();
    const QByteArray dataSet = exchange("\x84"
                                        "20\r",
                                        QStringLiteral("85"));
    ASSERT_EQ(dataSet.size(), 1958);
    EXPECT_TRUE(dataSet.startsWith("\x85"
                                   "200201"));

    EXPECT_EQ(exchange("\x85"
                       "200201\r",
                       QStringLiteral("86")),
              QByteArray("\x86"
                         "3335\r"));
    EXPECT_TRUE(sim.logged(QStringLiteral("data set stored"), 500));
    EXPECT_EQ(exchange("\x84"
                       "20\r",
                       QStringLiteral("85")),
              QByteArray("\x85"
                         "200201\r"));
}

TEST_F(SimulatorLinkTest, ResetIsConfirmed)
{
    startDevice();
    EXPECT_EQ(exchange("\x87\r", QStringLiteral("88")), QByteArray("\x88\r"));
}

TEST_F(SimulatorLinkTest, SilentDeviceTimesOut)
{
    startDevice({QStringLiteral("--silent")});
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(link->TransmitData("\x80\r"));
    EXPECT_FALSE(link->WaitForResponse(QStringLiteral("81")));
    EXPECT_GE(t.elapsed(), 950);
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_Timeout_Short"));
}

TEST_F(SimulatorLinkTest, GarbageAndSplitFramesAreSurvived)
{
    startDevice({QStringLiteral("--garbage"), QStringLiteral("7"), QStringLiteral("--split")});
    link->settings().TimeOut = 4; // some 400 pieces with pauses between them
    link->setDebugLevel(2);
    QByteArray discarded;
    QObject::connect(link.get(), &SerialLink::debugOutput,
                     [&](const QByteArray& bytes, bool) { discarded += bytes; });
    const QByteArray dataSet = exchange("\x84"
                                        "20\r",
                                        QStringLiteral("85"));
    ASSERT_EQ(dataSet.size(), 1958);
    EXPECT_EQ(exchange("\x85"
                       "200201\r",
                       QStringLiteral("86")),
              QByteArray("\x86"
                         "3335\r"));
    EXPECT_EQ(discarded.size(), 14) << "seven noise bytes before each of the two frames";
}

TEST_F(SimulatorLinkTest, FrameWithoutEndByteTimesOutWhileCompleting)
{
    startDevice({QStringLiteral("--no-end")});
    ASSERT_TRUE(link->TransmitData("\x80\r"));
    EXPECT_FALSE(link->WaitForResponse(QStringLiteral("81")));
    EXPECT_TRUE(frames.isEmpty());
    EXPECT_TRUE(link->RxBuffer().isEmpty());
}

TEST_F(SimulatorLinkTest, SimulatorKilledInMidTransferEndsTheWaitAndTheLinkRecovers)
{
    startDevice({QStringLiteral("--pace"), QStringLiteral("1200")});
    link->settings().TimeOut = 10;
    QTimer::singleShot(300, [this] { sim.kill(); });
    QElapsedTimer t;
    t.start();
    // 1958 bytes at 1200 baud would take 16 s on the wire.
    const QByteArray frame = QByteArray("\x85") + QByteArray(1956, '0') + "\r";
    const bool sent = link->TransmitData(frame) && link->WaitForResponse(QStringLiteral("86"));
    EXPECT_FALSE(sent);
    EXPECT_LT(t.elapsed(), 2000) << "ended at once, not by the time-out";
    EXPECT_FALSE(port->PortOpen());
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Comm_PortLost_Err"));
    EXPECT_EQ(sink.count(QStringLiteral("Comm_PortLost_Err")), 1);

    // A new device behind the same name: the next command opens the port again.
    SimulatorProcess again;
    ASSERT_TRUE(again.start({QStringLiteral("--link"), folder.file(QStringLiteral("ttySIM"))}));
    EXPECT_EQ(exchange("\x80\r", QStringLiteral("81")), QByteArray("\x81\r"));
    EXPECT_TRUE(port->PortOpen());
}

TEST_F(SimulatorLinkTest, DeviceStateIsSavedAndLoadedAgain)
{
    startDevice();
    const QByteArray record = "\x85"
                              "32" +
                              QByteArray("Kept").toHex().toUpper() + "\r";
    ASSERT_FALSE(exchange(record, QStringLiteral("86")).isEmpty());
    const QString state = folder.file(QStringLiteral("state"));
    sim.command(QStringLiteral("save ") + state);
    ASSERT_TRUE(sim.logged(QStringLiteral("] saved"), 1000));
    EXPECT_EQ(TestFolder::read(state + QStringLiteral("/record2.cns")).left(6), QByteArray("Kept  "));
    sim.kill();
    link->ClosePort();

    SimulatorProcess again;
    ASSERT_TRUE(again.start(
        {QStringLiteral("--link"), folder.file(QStringLiteral("ttySIM")), QStringLiteral("--state"), state}));
    ASSERT_TRUE(link->OpenPort());
    const QByteArray answer = exchange("\x84"
                                       "32\r",
                                       QStringLiteral("85"));
    EXPECT_TRUE(answer.startsWith("\x85"
                                  "32" +
                                  QByteArray("Kept    ").toHex().toUpper()));
}
