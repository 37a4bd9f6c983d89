#pragma once

#include "FrameCollector.h"
#include "LinkSettings.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

struct AppContext;
class HeldBoxes;
class SerialControl;

// The serial link: the port's lifecycle, sending frames in chunks and waiting for
// frames, with the transfer dialog and its cancel button. Every wait is a nested
// event loop woken by the port, a timer or the cancel button, so the window stays
// live and the receive side keeps collecting while a wait runs.
class SerialLink : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SerialLink)
public:
    // A command's whole exchange, from its first frame to the end of its last wait
    // (nested scopes count as one): other commands are not started meanwhile.
    class Operation
    {
        Q_DISABLE_COPY(Operation)
    public:
        explicit Operation(SerialLink& link);
        ~Operation();

    private:
        SerialLink& m_link;
    };

    // `boxes`, when given, is the context's user interface: the link holds its
    // boxes back while it is busy.
    SerialLink(AppContext& ctx, SerialControl& port, HeldBoxes* boxes = nullptr, QObject* parent = nullptr);

    // A lost port is tried again this often until it opens.
    static constexpr int ReopenIntervalMs = 1500;

    // Start-up set-up: 0, or the failing sub-step (1 ... 11 as ReadCommSettings,
    // 12 debug level, 13 the test opening of the port).
    int InitLink();
    int ReadCommSettings();
    int WriteCommSettings();
    bool OpenPort();
    bool ClosePort();

    // True when every byte of the frame has left the send buffer.
    bool TransmitData(const QByteArray& frame, const QString& caption = {});
    // True when a complete frame with the start byte of `code` ("86") is in RxBuffer;
    // the receive timer hands it over right after.
    bool WaitForResponse(const QString& code, const QString& caption = {});
    // The receive timer's tick: completes the frame being received and hands it over.
    void WaitForData();
    // Hands complete frames over now instead of on the next tick (not inside a
    // wait or a transmission).
    void DeliverPendingFrames();

    void ShowTransferDialog();
    void HideTransferDialog();
    void SetTransferCaption(const QString& text) { m_pendingCaption = text; }
    // The transfer dialog's cancel button.
    void cancelTransfer();

    // Sends bytes to the debug monitor when DebugLevel asks for that kind.
    void showInDebugMonitor(const QByteArray& bytes, bool isFrame);

    SerialControl& port() { return m_port; }
    LinkSettings& settings() { return m_settings; }
    const LinkSettings& settings() const { return m_settings; }
    int DebugLevel() const { return m_settings.DebugLevel; }
    void setDebugLevel(int level) { m_settings.DebugLevel = level; }
    bool PortIsOpen() const { return m_portIsOpen; }
    const QByteArray& RxBuffer() const { return m_rx.buffer(); }
    const QByteArray& RxDiscarded() const { return m_rx.discarded(); }
    bool WaitingForResponse() const { return m_waitingForResponse; }
    bool WaitBusy() const { return m_waitBusy; }
    bool operationRunning() const { return m_operations > 0; }
    // Nothing is being sent, awaited or completed: a command may start.
    bool idle() const;
    // A box is open or waits to open.
    bool boxPending() const;
    bool CancelRequested() const { return m_cancelRequested; }
    const QString& PendingCaption() const { return m_pendingCaption; }
    const QTimer& timerComm() const { return m_timerComm; }
    // The reason of the last failed settings step or test opening.
    const QString& lastError() const { return m_lastError; }

Q_SIGNALS:
    // A complete received frame: code "80" ... "89", the frame with start and end byte.
    void frameReceived(const QString& code, const QByteArray& frame);
    void debugOutput(const QByteArray& bytes, bool isFrame);
    // A frame handed to the port, when "DebugShowSent" is on and frames are shown.
    void debugFrameSent(const QByteArray& frame);
    // InitLink found a DebugLevel above 0.
    void debugMonitorWanted();
    // Something a running wait may be waiting for has happened.
    void woken();
    // A command's exchange began (true) or ended (false).
    void operationChanged(bool running);
    // The link has just become idle, or the last box it held was answered.
    void becameIdle();

private:
    enum class WaitEnd
    {
        Done,
        TimedOut,
        Cancelled,
        PortLost,
    };

    WaitEnd waitUntil(const std::function<bool()>& done, const QDeadlineTimer& deadline,
                      const std::function<void()>& onWake = {});
    QDeadlineTimer deadline() const;
    void onReceived();
    void scheduleNextFrame();
    void handOverFrame();
    void noteIdle();
    void onPortFailed(const QString& description);
    void reportPortLoss();
    void reopenLostPort();
    void flushDiscarded();
    // The frame received so far against its expected length, where known.
    void reportReceiveProgress();
    void logNotes();

    AppContext& m_ctx;
    SerialControl& m_port;
    HeldBoxes* m_boxes;
    LinkSettings m_settings;
    FrameCollector m_rx;
    QTimer m_timerComm;
    QTimer m_reopenTimer;
    QString m_pendingCaption;
    QString m_lastError;
    bool m_portIsOpen = false;
    bool m_cancelRequested = false;
    bool m_waitingForResponse = false;
    bool m_waitBusy = false;
    int m_transmitting = 0;
    int m_activeWaits = 0;
    int m_operations = 0;
    bool m_handingOver = false;
    int m_portLosses = 0;
    bool m_lossUnreported = false;
    bool m_reopenAfterLoss = false;
    QString m_lossText;
};
