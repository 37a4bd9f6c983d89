#pragma once

#include "LineSettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// Error numbers of a port operation. The settings dialog tells a missing port
// from a busy one by these two numbers; anything else carries the driver's text.
enum PortError : int
{
    PortOk = 0,
    PortDriverError = 1,
    PortNotFound = 8002,
    PortInUse = 8005,
};

struct PortResult
{
    int error = PortOk;
    QString description;

    bool ok() const { return error == PortOk; }
    static PortResult failure(QString text, int error = PortDriverError) { return {error, std::move(text)}; }
};

enum class InputMode
{
    Text,
    Binary,
};

// The serial port as the link sees it. The properties keep their values while
// the port is closed; opening applies them. Received bytes are announced by
// `received`, a drained send buffer by `sent`, and a port that vanished while
// open (adapter pulled, far end of a pseudo-terminal gone) by `failed`, after
// the port has already been closed.
class SerialControl : public QObject
{
    Q_OBJECT
public:
    explicit SerialControl(QObject* parent = nullptr) : QObject(parent) {}

    int CommPort() const { return m_commPort; }
    virtual PortResult setCommPort(int port);
    QString Settings() const { return m_settings; }
    virtual PortResult setSettings(const QString& text);
    int InBufferSize() const { return m_inBufferSize; }
    virtual PortResult setInBufferSize(int bytes);
    int OutBufferSize() const { return m_outBufferSize; }
    virtual PortResult setOutBufferSize(int bytes);
    bool DTREnable() const { return m_dtrEnable; }
    virtual PortResult setDTREnable(bool on);
    bool RTSEnable() const { return m_rtsEnable; }
    virtual PortResult setRTSEnable(bool on);
    // 0 none, 1 XON/XOFF, 2 RTS/CTS.
    int Handshaking() const { return m_handshaking; }
    virtual PortResult setHandshaking(int mode);

    // Read length 0 (a read takes everything), byte mode, 0x00 discarded,
    // notification after every received and every sent byte.
    int InputLen() const { return m_inputLen; }
    InputMode inputMode() const { return m_inputMode; }
    bool NullDiscard() const { return m_nullDiscard; }
    int RThreshold() const { return m_rThreshold; }
    int SThreshold() const { return m_sThreshold; }
    virtual PortResult applyFixedProperties();

    virtual bool PortOpen() const = 0;
    PortResult setPortOpen(bool open) { return open ? openPort() : closePort(); }

    virtual PortResult Output(const QByteArray& bytes) = 0;
    // Bytes handed over but not yet on the wire.
    virtual qint64 OutBufferCount() const = 0;
    // Takes what has arrived, without 0x00 bytes when NullDiscard is set.
    QByteArray Input();

    const LineSettings& lineSettings() const { return m_line; }
    // The texts setSettings gives its reasons in.
    void setLineTexts(const LineSettingsTexts& texts) { m_lineTexts = texts; }

Q_SIGNALS:
    void received();
    void sent();
    void failed(const QString& description);
    // A remark for the application log (a parameter the system cannot carry).
    void notice(const QString& text);

protected:
    virtual PortResult openPort() = 0;
    virtual PortResult closePort() = 0;
    // At most `maxBytes` (all when <= 0) of the received bytes.
    virtual QByteArray readBytes(qint64 maxBytes) = 0;
    // Hook for a port that is open while a line property changes.
    virtual PortResult applyLine() { return {}; }
    // Called by implementations when bytes arrived; honours RThreshold.
    void announceReceived();
    void announceSent();

    LineSettings m_line;

private:
    int m_commPort = 1;
    QString m_settings = QStringLiteral("19200,N,8,1");
    LineSettingsTexts m_lineTexts;
    int m_inBufferSize = 1024;
    int m_outBufferSize = 512;
    bool m_dtrEnable = false;
    bool m_rtsEnable = false;
    int m_handshaking = 0;
    int m_inputLen = 0;
    InputMode m_inputMode = InputMode::Text;
    bool m_nullDiscard = false;
    int m_rThreshold = 0;
    int m_sThreshold = 0;
};
