#include "PortScanner.h"
#include "FakeSerialControl.h"
#include "SignalRecorder.h"

#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

namespace {

PortResult fails(int error)
{
    return PortResult::failure(QStringLiteral("error %1").arg(error), error);
}

} // namespace

TEST(PortScannerTest, EachPortIsTriedAndClosedAgain)
{
    // A port left open would refuse the next port number: the later successes show each was closed.
    const PortFactory factory = [] {
        auto port = std::make_unique<FakeSerialControl>();
        port->openResults = {fails(PortNotFound), PortResult{}, fails(PortInUse), fails(PortDriverError)};
        return port;
    };
    const QList<PortProbe> probes = ProbePorts(factory, QStringLiteral("2400,E,7,2"), PortRange(3, 7));
    ASSERT_EQ(probes.size(), 5);
    const int expected[] = {PortNotFound, PortOk, PortInUse, PortDriverError, PortOk};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(probes[i].port, 3 + i);
        EXPECT_EQ(probes[i].result.error, expected[i]) << i;
    }
    EXPECT_EQ(probes[3].result.description, QStringLiteral("error 1"));
}

TEST(PortScannerTest, APortNumberTheDriverRefusesIsAnError)
{
    const PortFactory factory = [] {
        auto port = std::make_unique<FakeSerialControl>();
        port->refuse.insert(QStringLiteral("CommPort"));
        return port;
    };
    const QList<PortProbe> probes = ProbePorts(factory, QStringLiteral("19200,N,8,1"), PortRange(1, 2));
    ASSERT_EQ(probes.size(), 2);
    EXPECT_FALSE(probes[0].result.ok());
    EXPECT_NE(probes[0].result.error, PortNotFound);
}

TEST(PortScannerTest, RunsOnAThreadOfItsOwnAndReportsOnTheCallersThread)
{
    std::atomic<QThread*> probedOn = nullptr;
    PortScanner scanner([&] {
        probedOn = QThread::currentThread();
        auto port = std::make_unique<FakeSerialControl>();
        port->openResults = {PortResult{}, fails(PortNotFound)};
        return port;
    });
    SignalRecorder finished(&scanner, &PortScanner::finished);
    scanner.start(QStringLiteral("19200,N,8,1"), PortRange(1, 3));
    EXPECT_TRUE(scanner.running());
    scanner.start(QStringLiteral("19200,N,8,1"), PortRange(1, 16)); // ignored while running
    ASSERT_TRUE(finished.count() == 1 || finished.wait(5000));
    EXPECT_FALSE(scanner.running());
    EXPECT_NE(probedOn.load(), QThread::currentThread());
    ASSERT_EQ(scanner.probes().size(), 3);
    EXPECT_EQ(scanner.probes()[1].result.error, PortNotFound);
    EXPECT_TRUE(scanner.probes()[2].result.ok());
}

TEST(PortScannerTest, DestroyedWhileScanningWaitsForTheThread)
{
    std::atomic<int> destroyedPorts = 0;
    {
        PortScanner scanner([&] {
            auto port = std::make_unique<FakeSerialControl>();
            QObject::connect(port.get(), &QObject::destroyed, [&] { ++destroyedPorts; });
            QThread::msleep(50);
            return port;
        });
        scanner.start(QStringLiteral("19200,N,8,1"), PortRange(1, 16));
    }
    EXPECT_EQ(destroyedPorts.load(), 1);
}
