#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

// The device's end of the line. Outgoing bytes are queued with the earliest
// moment they may leave; with pacing, bytes leave and arrive no faster than the
// wire would carry them, so a pseudo-terminal behaves like a serial line.
class SimLine : public QObject
{
    Q_OBJECT
public:
    explicit SimLine(QObject* parent = nullptr);

    // Bytes per second on the wire; 0 for no pacing.
    void setPacing(int baudRate, int bitsPerCharacter);
    // Queues bytes that may leave `delayMs` from now.
    void send(const QByteArray& bytes, int delayMs = 0);
    bool idle() const { return m_out.isEmpty(); }

Q_SIGNALS:
    void received(const QByteArray& bytes);
    void lost(const QString& reason);

protected:
    // Writes what the system takes now; the count, or -1 on a broken line.
    virtual qint64 writeRaw(const QByteArray& bytes) = 0;
    // Called by implementations with whatever was read.
    void incoming(const QByteArray& bytes);

private:
    struct Pending
    {
        QByteArray bytes;
        qint64 notBeforeMs = 0;
        bool started = false;
    };

    void pumpOutput();
    void pumpInput();

    QElapsedTimer m_clock;
    double m_msPerByte = 0;
    QList<Pending> m_out;
    double m_txWireFree = 0;
    QTimer m_outTimer;
    QByteArray m_in;
    double m_rxWireFree = 0;
    QList<double> m_inArrival; // arrival time of the last byte of each queued read
    QTimer m_inTimer;
};
