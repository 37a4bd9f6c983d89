#include "QtSerialControl.h"

#include "PortDeviceName.h"
#include "PortLock.h"

#include <algorithm>

#if defined(Q_OS_UNIX)
#include <sys/ioctl.h>
#include <termios.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {

QSerialPort::Parity parityOf(char letter)
{
    switch (letter) {
    case 'E':
        return QSerialPort::EvenParity;
    case 'O':
        return QSerialPort::OddParity;
    case 'M':
        return QSerialPort::MarkParity;
    case 'S':
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits stopBitsOf(int timesTwo)
{
    return timesTwo == 4   ? QSerialPort::TwoStop
           : timesTwo == 3 ? QSerialPort::OneAndHalfStop
                           : QSerialPort::OneStop;
}

QSerialPort::FlowControl flowOf(int handshaking)
{
    return handshaking == 1   ? QSerialPort::SoftwareControl
           : handshaking == 2 ? QSerialPort::HardwareControl
                              : QSerialPort::NoFlowControl;
}

} // namespace

QtSerialControl::QtSerialControl(QString settingsFile, QObject* parent)
    : SerialControl(parent), m_settingsFile(std::move(settingsFile))
{
    m_drainPoll.setSingleShot(true);
    connect(&m_drainPoll, &QTimer::timeout, this, &QtSerialControl::checkDrained);
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialControl::announceReceived);
    connect(&m_port, &QSerialPort::bytesWritten, this, &QtSerialControl::checkDrained);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialControl::onError);
}

QtSerialControl::~QtSerialControl()
{
    m_port.close();
}

QString QtSerialControl::deviceName() const
{
    return m_fixedDevice.isEmpty() ? PortDeviceName(m_settingsFile, CommPort()) : m_fixedDevice;
}

PortResult QtSerialControl::openPort()
{
    if (m_port.isOpen())
        return {};
    const QString device = deviceName();
    m_port.setPortName(device);
    QString why;
    if (!setLineOnDriver(&why))
        return PortResult::failure(why);
    m_port.setReadBufferSize(InBufferSize());
#ifdef Q_OS_UNIX
    // Qt refuses a port for a lock file it cannot read and opens one beside a
    // live holder whose lock is in the usual text form: settle both first.
    QString lockProblem;
    const PortLockHolder holder = ClearStaleLocks(device, PortLockFolder(), &lockProblem);
    if (holder.pid > 0)
        return PortResult::failure(
            QStringLiteral("%1: in use by %2 (process %3)").arg(device, holder.program).arg(holder.pid),
            PortInUse);
    if (!lockProblem.isEmpty())
        return PortResult::failure(QStringLiteral("%1: %2").arg(device, lockProblem));
#endif

    // Qt keeps the last error after a later success, so only the return value counts.
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QString text = QStringLiteral("%1: %2").arg(device, m_port.errorString());
        switch (m_port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return PortResult::failure(text, PortNotFound);
        case QSerialPort::PermissionError: // Qt's lock file or another holder's exclusive mode
            return PortResult::failure(text, PortInUse);
        default:
            return PortResult::failure(text);
        }
    }
#if defined(Q_OS_UNIX) && defined(TIOCEXCL)
    // No second program may open the line while the link holds it.
    ::ioctl(m_port.handle(), TIOCEXCL);
#endif
    applyModemLines();
    // Bytes that arrived before the opening belong to nobody.
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
    return {};
}

PortResult QtSerialControl::closePort()
{
    m_drainPoll.stop();
    m_port.close();
    return {};
}

PortResult QtSerialControl::Output(const QByteArray& bytes)
{
    if (!m_port.isOpen())
        return PortResult::failure(QStringLiteral("The port is not open"));
    if (m_port.write(bytes) != bytes.size())
        return PortResult::failure(m_port.errorString());
    return {};
}

qint64 QtSerialControl::OutBufferCount() const
{
    if (!m_port.isOpen())
        return 0;
    return m_port.bytesToWrite() + driverQueue();
}

QByteArray QtSerialControl::readBytes(qint64 maxBytes)
{
    if (!m_port.isOpen())
        return {};
    return maxBytes > 0 ? m_port.read(maxBytes) : m_port.readAll();
}

PortResult QtSerialControl::applyLine()
{
    QString why;
    if (!setLineOnDriver(&why))
        return PortResult::failure(why);
    applyModemLines();
    return {};
}

qint64 QtSerialControl::driverQueue() const
{
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
    int queued = 0;
    if (::ioctl(m_port.handle(), TIOCOUTQ, &queued) == 0)
        return queued;
#elif defined(Q_OS_WIN)
    COMSTAT status{};
    DWORD errors = 0;
    if (::ClearCommError(reinterpret_cast<HANDLE>(m_port.handle()), &errors, &status))
        return status.cbOutQue;
#endif
    return 0;
}

bool QtSerialControl::setLineOnDriver(QString* error)
{
    const bool ok = m_port.setBaudRate(m_line.baudRate) && m_port.setParity(parityOf(m_line.parity)) &&
                    m_port.setDataBits(static_cast<QSerialPort::DataBits>(m_line.dataBits)) &&
                    m_port.setStopBits(stopBitsOf(m_line.stopBitsTimesTwo)) &&
                    m_port.setFlowControl(flowOf(Handshaking()));
    if (!ok) {
        *error = m_port.errorString();
        return false;
    }
#ifdef Q_OS_LINUX
    if (m_line.stopBitsTimesTwo == 3)
        Q_EMIT notice(QStringLiteral("1.5 stop bits are sent as 1 stop bit on this system"));
#endif
    return true;
}

void QtSerialControl::applyModemLines()
{
    if (!m_port.isOpen())
        return;
    // A pseudo-terminal has no modem lines; that is no reason to refuse the port.
    const bool dtr = m_port.setDataTerminalReady(DTREnable());
    const bool rts = Handshaking() == 2 || m_port.setRequestToSend(RTSEnable());
    if (!dtr || !rts)
        Q_EMIT notice(
            QStringLiteral("%1 carries no DTR/RTS lines (%2)").arg(m_port.portName(), m_port.errorString()));
}

void QtSerialControl::onError(QSerialPort::SerialPortError error)
{
    const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::PermissionError ||
                      error == QSerialPort::ReadError || error == QSerialPort::WriteError;
    if (!lost || !m_port.isOpen())
        return;
    // Qt repeats the error for as long as the port stays open: close first, report once.
    // The system's text is often left over from an earlier call ("Inappropriate ioctl
    // for device" for a line whose far end was closed), so say first what happened.
    const QString what = error == QSerialPort::ResourceError ? QStringLiteral("the device was removed or its line closed")
                         : error == QSerialPort::PermissionError ? QStringLiteral("access to the device was taken away")
                         : error == QSerialPort::ReadError       ? QStringLiteral("reading from the device failed")
                                                                 : QStringLiteral("writing to the device failed");
    const QString text = QStringLiteral("%1: %2 (%3)").arg(deviceName(), what, m_port.errorString());
    closePort();
    Q_EMIT failed(text);
}

void QtSerialControl::checkDrained()
{
    if (!m_port.isOpen())
        return;
    const qint64 pending = OutBufferCount();
    if (pending == 0) {
        m_drainPoll.stop();
        announceSent();
        return;
    }
    if (m_port.bytesToWrite() > 0)
        return; // the next bytesWritten comes
    // Only the driver holds bytes now and it says nothing when they are out:
    // look again after about the time the wire needs for them.
    const qint64 wireMs = pending * m_line.bitsPerCharacter() * 1000 / std::max(1, m_line.baudRate);
    m_drainPoll.start(static_cast<int>(std::clamp<qint64>(wireMs, 1, 50)));
}
