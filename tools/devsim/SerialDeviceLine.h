#pragma once

#include "SimLine.h"

#include <QSerialPort>

// A real serial device, for trying the program against a second port wired to
// the first (null-modem cable or a USB adapter pair).
class SerialDeviceLine final : public SimLine
{
    Q_OBJECT
public:
    SerialDeviceLine(const QString& device, qint32 baudRate, char parity, int dataBits, int stopBitsTimesTwo);

    bool ok() const { return m_port.isOpen(); }
    QString error() const { return m_port.errorString(); }

protected:
    qint64 writeRaw(const QByteArray& bytes) override;

private:
    QSerialPort m_port;
};
