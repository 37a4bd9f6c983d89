#pragma once

#include "SerialControl.h"

#include <QList>
#include <QSet>
#include <QTimer>

#include <functional>

// A scripted port. Output is recorded chunk by chunk with the count of bytes
// still waiting at that moment; the bytes leave `drainMs` later (never with a
// negative value). Received bytes and a vanishing port are pushed by the test.
class FakeSerialControl final : public SerialControl
{
    Q_OBJECT
public:
    FakeSerialControl()
    {
        m_drain.setSingleShot(true);
        connect(&m_drain, &QTimer::timeout, this, &FakeSerialControl::drain);
    }

    bool PortOpen() const override { return m_open; }
    PortResult Output(const QByteArray& bytes) override
    {
        if (!m_open)
            return PortResult::failure(QStringLiteral("The port is not open"));
        chunks.append(bytes);
        pendingAtOutput.append(m_pending);
        m_pending += bytes.size();
        if (onOutput)
            onOutput(bytes);
        if (drainMs >= 0)
            m_drain.start(drainMs);
        return {};
    }
    qint64 OutBufferCount() const override { return m_pending; }

    PortResult setCommPort(int port) override
    {
        return refusedOr(QStringLiteral("CommPort"), [&] { return SerialControl::setCommPort(port); });
    }
    PortResult setSettings(const QString& text) override
    {
        return refusedOr(QStringLiteral("Settings"), [&] { return SerialControl::setSettings(text); });
    }
    PortResult setHandshaking(int mode) override
    {
        return refusedOr(QStringLiteral("Handshaking"), [&] { return SerialControl::setHandshaking(mode); });
    }
    PortResult applyFixedProperties() override
    {
        return refusedOr(QStringLiteral("Fixed"), [&] { return SerialControl::applyFixedProperties(); });
    }

    // Script.
    void receive(const QByteArray& bytes)
    {
        m_input.append(bytes);
        announceReceived();
    }
    void vanish(const QString& text)
    {
        m_open = false;
        m_pending = 0;
        Q_EMIT failed(text);
    }
    void drain()
    {
        m_pending = 0;
        announceSent();
    }
    QByteArray written() const { return chunks.join(); }

    int drainMs = 0;
    QList<PortResult> openResults; // taken from the front; empty: the port opens
    QSet<QString> refuse;          // setters that fail: "CommPort", "Settings", "Handshaking", "Fixed"
    std::function<void(const QByteArray&)> onOutput;
    QList<QByteArray> chunks;
    QList<qint64> pendingAtOutput;
    int opens = 0;

protected:
    PortResult openPort() override
    {
        if (!openResults.isEmpty() && !openResults.first().ok())
            return openResults.takeFirst();
        if (!openResults.isEmpty())
            openResults.removeFirst();
        m_open = true;
        ++opens;
        return {};
    }
    PortResult closePort() override
    {
        m_open = false;
        return {};
    }
    QByteArray readBytes(qint64) override
    {
        QByteArray bytes;
        bytes.swap(m_input);
        return bytes;
    }

private:
    PortResult refusedOr(const QString& name, const std::function<PortResult()>& apply)
    {
        if (refuse.contains(name))
            return PortResult::failure(name + QStringLiteral(" refused by the driver"));
        return apply();
    }

    bool m_open = false;
    qint64 m_pending = 0;
    QByteArray m_input;
    QTimer m_drain;
};
