#include "SerialControl.h"

namespace {

PortResult refused(const QString& what, int value)
{
    return PortResult::failure(QStringLiteral("Invalid %1 %2").arg(what).arg(value));
}

} // namespace

PortResult SerialControl::setCommPort(int port)
{
    if (PortOpen())
        return PortResult::failure(QStringLiteral("The port number cannot change while the port is open"));
    if (port < 1 || port > 255)
        return refused(QStringLiteral("port number"), port);
    m_commPort = port;
    return {};
}

PortResult SerialControl::setSettings(const QString& text)
{
    QString why;
    const auto parsed = LineSettings::parse(text, &why, m_lineTexts);
    if (!parsed)
        return PortResult::failure(why);
    const LineSettings previous = m_line;
    m_line = *parsed;
    if (PortOpen()) {
        const PortResult r = applyLine();
        if (!r.ok()) {
            m_line = previous;
            return r;
        }
    }
    m_settings = text;
    return {};
}

PortResult SerialControl::setInBufferSize(int bytes)
{
    if (PortOpen())
        return PortResult::failure(
            QStringLiteral("The receive buffer size cannot change while the port is open"));
    if (bytes < 1 || bytes > 32767)
        return refused(QStringLiteral("receive buffer size"), bytes);
    m_inBufferSize = bytes;
    return {};
}

PortResult SerialControl::setOutBufferSize(int bytes)
{
    if (PortOpen())
        return PortResult::failure(
            QStringLiteral("The send buffer size cannot change while the port is open"));
    if (bytes < 0 || bytes > 32767)
        return refused(QStringLiteral("send buffer size"), bytes);
    m_outBufferSize = bytes;
    return {};
}

PortResult SerialControl::setDTREnable(bool on)
{
    m_dtrEnable = on;
    return PortOpen() ? applyLine() : PortResult{};
}

PortResult SerialControl::setRTSEnable(bool on)
{
    m_rtsEnable = on;
    return PortOpen() ? applyLine() : PortResult{};
}

PortResult SerialControl::setHandshaking(int mode)
{
    if (mode < 0 || mode > 2)
        return refused(QStringLiteral("handshaking mode"), mode);
    m_handshaking = mode;
    return PortOpen() ? applyLine() : PortResult{};
}

PortResult SerialControl::applyFixedProperties()
{
    m_inputLen = 0;
    m_inputMode = InputMode::Binary;
    m_nullDiscard = true;
    m_rThreshold = 1;
    m_sThreshold = 1;
    return {};
}

QByteArray SerialControl::Input()
{
    QByteArray bytes = readBytes(m_inputLen);
    if (m_nullDiscard)
        bytes.replace(QByteArray(1, '\0'), QByteArray());
    return bytes;
}

void SerialControl::announceReceived()
{
    if (m_rThreshold > 0)
        Q_EMIT received();
}

void SerialControl::announceSent()
{
    if (m_sThreshold > 0)
        Q_EMIT sent();
}
