#include "SerialDeviceLine.h"

SerialDeviceLine::SerialDeviceLine(const QString& device, qint32 baudRate, char parity, int dataBits,
                                   int stopBitsTimesTwo)
{
    m_port.setPortName(device);
    m_port.setBaudRate(baudRate);
    m_port.setParity(parity == 'E'   ? QSerialPort::EvenParity
                     : parity == 'O' ? QSerialPort::OddParity
                     : parity == 'M' ? QSerialPort::MarkParity
                     : parity == 'S' ? QSerialPort::SpaceParity
                                     : QSerialPort::NoParity);
    m_port.setDataBits(static_cast<QSerialPort::DataBits>(dataBits));
    m_port.setStopBits(stopBitsTimesTwo == 4 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    if (!m_port.open(QIODevice::ReadWrite))
        return;
    m_port.clear();
    connect(&m_port, &QSerialPort::readyRead, this, [this] { incoming(m_port.readAll()); });
    connect(&m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError && m_port.isOpen()) {
            const QString why = m_port.errorString();
            m_port.close();
            Q_EMIT lost(why);
        }
    });
}

qint64 SerialDeviceLine::writeRaw(const QByteArray& bytes)
{
    return m_port.isOpen() ? m_port.write(bytes) : -1;
}
