#include "LinkFixture.h"

#include <utility>

namespace {

using Steps = QList<std::pair<qint64, qint64>>;

// A data-set frame of the default counts (8-character names, 16 faders): start
// byte, kind "20", 1954 more digits, end byte.
QByteArray dataSetFrame()
{
    return QByteArray("\x85") + "20" + QByteArray(1954, '1') + "\r";
}

} // namespace

using TransferProgressTest = LinkFixture;

TEST_F(TransferProgressTest, SendingCountsTheBytesHandedOverAgainstTheFrame)
{
    port.drainMs = 2;
    ASSERT_TRUE(link->TransmitData(dataSetFrame(), QStringLiteral("Senden")));
    EXPECT_EQ(ui.progress, (Steps{{0, 1958}, {512, 1958}, {1024, 1958}, {1536, 1958}, {1958, 1958}}));
}

TEST_F(TransferProgressTest, WaitingForTheDataSetCountsTheBytesReceivedOfItsLength)
{
    const QByteArray frame = dataSetFrame();
    later(5, [&] { port.receive(frame.left(1)); });
    later(10, [&] { port.receive(frame.mid(1, 999)); });
    later(15, [&] { port.receive(frame.mid(1000)); });
    ASSERT_TRUE(link->WaitForResponse(QStringLiteral("85")));
    // Until the kind has come the length is not known.
    EXPECT_EQ(ui.progress, (Steps{{0, 0}, {1, 0}, {1000, 1958}, {1958, 1958}}));
}

TEST_F(TransferProgressTest, OtherFramesShowTheBusyIndicator)
{
    struct Case
    {
        const char* name;
        QString awaited;
        QByteArray frame;
    };
    // A record shrinks with its blanks, so its length is not known beforehand.
    const Case cases[] = {
        {"checksum answer", QStringLiteral("86"),
         QByteArray("\x86"
                    "3335\r")},
        {"configuration record", QStringLiteral("85"),
         QByteArray("\x85"
                    "314142\r")},
    };
    for (const Case& c : cases) {
        ui.progress.clear();
        later(5, [&] { port.receive(c.frame); });
        ASSERT_TRUE(link->WaitForResponse(c.awaited)) << c.name;
        ASSERT_FALSE(ui.progress.isEmpty()) << c.name;
        for (const auto& [done, total] : ui.progress)
            EXPECT_LE(total, 0) << c.name;
        link->DeliverPendingFrames();
    }
}

TEST_F(TransferProgressTest, ADataSetTheDeviceSendsUnaskedShowsItsProgressToo)
{
    const QByteArray frame = dataSetFrame();
    port.receive(frame.left(600));
    later(60, [&] { port.receive(frame.mid(600)); });
    runFor(200);
    ASSERT_FALSE(ui.progress.isEmpty());
    EXPECT_EQ(ui.progress.first(), (std::pair<qint64, qint64>{600, 1958}));
    EXPECT_EQ(ui.progress.last(), (std::pair<qint64, qint64>{1958, 1958}));
}
