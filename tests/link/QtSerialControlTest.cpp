#include "QtSerialControl.h"
#include "PseudoTerminal.h"
#include "RunEvents.h"
#include "SettingsFile.h"
#include "SignalRecorder.h"
#include "TestFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

void runFor(int ms)
{
    RunEventsFor(ms);
}

} // namespace

class QtSerialControlTest : public ::testing::Test
{
protected:
    QtSerialControlTest()
    {
        file = folder.write(QStringLiteral("t.Ini"), "[Main]\r\n");
        WriteSetting(file, QStringLiteral("PortNames"), QStringLiteral("COM2"), pty.slavePath(), false);
        WriteSetting(file, QStringLiteral("PortNames"), QStringLiteral("COM3"),
                     folder.file(QStringLiteral("none")), false);
        WriteSetting(file, QStringLiteral("PortNames"), QStringLiteral("COM4"), folder.write("plain", "x"),
                     false);
        port = std::make_unique<QtSerialControl>(file);
        port->applyFixedProperties();
        port->setCommPort(2);
    }

    TestFolder folder;
    QString file;
    PseudoTerminal pty;
    std::unique_ptr<QtSerialControl> port;
};

TEST_F(QtSerialControlTest, OpensAPseudoTerminalExclusivelyWithoutModemLines)
{
    ASSERT_TRUE(pty.isOpen());
    SignalRecorder notices(port.get(), &SerialControl::notice);
    const PortResult r = port->setPortOpen(true);
    ASSERT_TRUE(r.ok()) << r.description.toStdString();
    EXPECT_TRUE(port->PortOpen());
    EXPECT_EQ(port->deviceName(), pty.slavePath());
    EXPECT_GE(notices.count(), 1) << "DTR/RTS missing is noted, not refused";
#ifdef TIOCGEXCL
    // The exclusive mode belongs to the terminal; any descriptor can ask for it.
    const int probe = ::open(pty.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    int exclusive = 0;
    if (probe >= 0) {
        ::ioctl(probe, TIOCGEXCL, &exclusive);
        ::close(probe);
        EXPECT_EQ(exclusive, 1);
    }
#endif
    QtSerialControl second(file);
    second.setCommPort(2);
    const PortResult busy = second.setPortOpen(true);
    EXPECT_EQ(busy.error, PortInUse) << busy.description.toStdString();
    EXPECT_TRUE(port->setPortOpen(false).ok());
    EXPECT_FALSE(port->PortOpen());
    EXPECT_TRUE(second.setPortOpen(true).ok()) << "free again after closing";
}

TEST_F(QtSerialControlTest, MissingDeviceAndNonTerminalFailDistinctly)
{
    port->setCommPort(3);
    const PortResult missing = port->setPortOpen(true);
    EXPECT_EQ(missing.error, PortNotFound);
    EXPECT_TRUE(missing.description.contains(QStringLiteral("none")));

    port->setCommPort(4);
    const PortResult plain = port->setPortOpen(true);
    EXPECT_FALSE(plain.ok());
    EXPECT_NE(plain.error, PortNotFound);
    EXPECT_NE(plain.error, PortInUse);
    EXPECT_FALSE(plain.description.isEmpty());
}

TEST_F(QtSerialControlTest, LineParametersTheSystemCannotCarry)
{
    EXPECT_FALSE(port->setSettings(QStringLiteral("19200,N,4,1")).ok());
    EXPECT_EQ(port->Settings(), QStringLiteral("19200,N,8,1")) << "a refused text changes nothing";
    ASSERT_TRUE(port->setSettings(QStringLiteral("19200,N,8,1.5")).ok());
    SignalRecorder notices(port.get(), &SerialControl::notice);
    ASSERT_TRUE(port->setPortOpen(true).ok());
#ifdef Q_OS_LINUX
    EXPECT_TRUE(notices.anyContains(QStringLiteral("1.5 stop bits")));
#endif
    ASSERT_TRUE(port->setPortOpen(false).ok());
    EXPECT_TRUE(port->setSettings(QStringLiteral("9600,E,7,2")).ok());
    EXPECT_TRUE(port->setPortOpen(true).ok());
}

TEST_F(QtSerialControlTest, InputFromBeforeTheOpeningIsDiscarded)
{
    pty.write("stale");
    runFor(20);
    ASSERT_TRUE(port->setPortOpen(true).ok());
    SignalRecorder received(port.get(), &SerialControl::received);
    runFor(50);
    EXPECT_TRUE(port->Input().isEmpty());
    pty.write(QByteArray("\x81\0\r", 3));
    ASSERT_TRUE(received.wait(1000));
    runFor(20);
    EXPECT_EQ(port->Input(), QByteArray("\x81\r")) << "0x00 discarded";
}

TEST_F(QtSerialControlTest, SentFollowsTheDrainedBuffer)
{
    ASSERT_TRUE(port->setPortOpen(true).ok());
    SignalRecorder sent(port.get(), &SerialControl::sent);
    ASSERT_TRUE(port->Output(QByteArray(600, 'A')).ok());
    EXPECT_GT(port->OutBufferCount(), 0);
    ASSERT_TRUE(sent.wait(1000));
    EXPECT_EQ(port->OutBufferCount(), 0);
    EXPECT_EQ(pty.read(200).size(), 600);
}

TEST_F(QtSerialControlTest, VanishingFarEndClosesThePortAndReportsOnce)
{
    ASSERT_TRUE(port->setPortOpen(true).ok());
    SignalRecorder failed(port.get(), &SerialControl::failed);
    port->Output(QByteArray(100000, 'B'));
    runFor(20);
    pty.close();
    runFor(300);
    EXPECT_EQ(failed.count(), 1);
    EXPECT_FALSE(port->PortOpen());
    EXPECT_FALSE(failed.texts().first().isEmpty());
    EXPECT_FALSE(port->Output("x").ok());
}
