#pragma once

#include "SerialControl.h"

#include <QSerialPort>
#include <QTimer>

// The port over Qt Serial Port. Line parameters are handed to the driver before
// opening (a pseudo-terminal ignores them afterwards), input left over from before
// the opening is discarded, and the port is held exclusively. The send count
// includes the driver's own output queue, so waits follow the wire.
class QtSerialControl final : public SerialControl
{
    Q_OBJECT
    Q_DISABLE_COPY(QtSerialControl)
public:
    explicit QtSerialControl(QString settingsFile, QObject* parent = nullptr);
    ~QtSerialControl() override;

    bool PortOpen() const override { return m_port.isOpen(); }
    PortResult Output(const QByteArray& bytes) override;
    qint64 OutBufferCount() const override;

    // The device opened: the fixed one when set, otherwise the one the port
    // number resolves to through "PortNames".
    QString deviceName() const;
    // A device path to open whatever the port number is; empty to go back to the number.
    void setFixedDevice(const QString& path) { m_fixedDevice = path; }

protected:
    PortResult openPort() override;
    PortResult closePort() override;
    QByteArray readBytes(qint64 maxBytes) override;
    PortResult applyLine() override;

private:
    qint64 driverQueue() const;
    bool setLineOnDriver(QString* error);
    void applyModemLines();
    void onError(QSerialPort::SerialPortError error);
    void checkDrained();

    QString m_settingsFile;
    QString m_fixedDevice;
    QSerialPort m_port;
    QTimer m_drainPoll;
};
