#pragma once

#include "DeviceState.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

#include <functional>

class SimLine;

// How the simulated device misbehaves on request.
struct DeviceFaults
{
    bool wrongChecksum = false;
    bool silent = false;      // answers nothing at all
    int garbageBytes = 0;     // noise before every frame sent
    bool splitFrames = false; // frames leave in random small pieces
    bool missingEndByte = false;
    int answerDelayMs = 0;
    bool groupAsOnePayload = false; // "84" "30" answered with one "30" payload
};

// The control unit's side of the protocol: collects frames from the line,
// answers them as the device does and keeps its state.
class DeviceEngine : public QObject
{
    Q_OBJECT
public:
    // A reset ("87") gives the default state shaped by `layout`.
    DeviceEngine(DeviceState& state, const TransferLayout& layout, SimLine& line, DeviceFaults faults,
                 std::function<void(const QString&)> log, quint32 seed);

    // A frame towards the program: "80", "82", "84 <kind>", "87".
    bool startCommand(const QString& command);

private:
    void onBytes(const QByteArray& bytes);
    void handle(const QByteArray& frame);
    void answer(char code, const QByteArray& payload);
    void sendFrame(char code, const QByteArray& payload, int delayMs);
    void sendRequested(const QByteArray& kind);
    void sendNextRecord();
    QByteArray recordPayload(int record) const;
    QByteArray statusPayload() const;
    void storeStatus(const QByteArray& payload);
    void storeData(const QByteArray& payload);
    void logFrame(const char* direction, const QByteArray& frame);

    DeviceState& m_state;
    TransferLayout m_layout;
    SimLine& m_line;
    DeviceFaults m_faults;
    std::function<void(const QString&)> m_log;
    QRandomGenerator m_random;
    QByteArray m_frame;
    qint32 m_sentChecksum = -1;
    QList<int> m_recordsToSend; // records of a "30" request still to go, each after the "86"
    QTimer m_ackTimeout;
};
