#include "SerialLink.h"

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "CommSettings.h"
#include "HeldBoxes.h"
#include "Helpers.h"
#include "LinkMessage.h"
#include "MessageTexts.h"
#include "Report.h"
#include "SerialControl.h"
#include "SettingsFile.h"
#include "TransferKinds.h"
#include "TransferLayout.h"
#include "UserInterface.h"

#include <QEventLoop>

#include <optional>

namespace {

// Boxes raised while it lives open when it ends (see HeldBoxes).
class BoxHold
{
    Q_DISABLE_COPY(BoxHold)
public:
    enum Release
    {
        AtOnce,
        FromTheEventLoop,
    };
    BoxHold(HeldBoxes* boxes, Release release = AtOnce) : m_boxes(boxes), m_release(release)
    {
        if (m_boxes)
            m_boxes->hold();
    }
    ~BoxHold()
    {
        if (m_boxes && m_release == AtOnce)
            m_boxes->release();
        else if (m_boxes)
            m_boxes->releaseLater();
    }

private:
    HeldBoxes* m_boxes;
    Release m_release;
};

} // namespace

SerialLink::SerialLink(AppContext& ctx, SerialControl& port, HeldBoxes* boxes, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_port(port), m_boxes(boxes)
{
    if (m_boxes)
        connect(m_boxes, &HeldBoxes::settled, this, &SerialLink::noteIdle);
    m_reopenTimer.setInterval(ReopenIntervalMs);
    connect(&m_reopenTimer, &QTimer::timeout, this, &SerialLink::reopenLostPort);
    // The port's reasons for a bad "Settings" value reach the user: in the chosen language.
    const bool german = m_ctx.settings.isGerman();
    const LineSettingsTexts english;
    m_port.setLineTexts({
        m_ctx.messages.get(QStringLiteral("Comm_Parity_Err"),
                           german ? QStringLiteral("Ung\u00FCltige Parit\u00E4t \"&\"") : english.invalidParity),
        m_ctx.messages.get(QStringLiteral("Comm_DataBits_Err"),
                           german ? QStringLiteral("Nicht unterst\u00FCtzte Anzahl Datenbits \"&\"")
                                  : english.unsupportedDataBits),
    });
    m_timerComm.setTimerType(Qt::PreciseTimer);
    connect(&m_timerComm, &QTimer::timeout, this, &SerialLink::WaitForData);
    connect(&m_port, &SerialControl::received, this, &SerialLink::onReceived);
    connect(&m_port, &SerialControl::sent, this, &SerialLink::woken);
    connect(&m_port, &SerialControl::failed, this, &SerialLink::onPortFailed);
    connect(&m_port, &SerialControl::notice, this,
            [this](const QString& text) { m_ctx.log.WriteLog(QStringLiteral("  ") + text); });
}

SerialLink::Operation::Operation(SerialLink& link) : m_link(link)
{
    if (m_link.m_operations++ == 0)
        Q_EMIT m_link.operationChanged(true);
}

SerialLink::Operation::~Operation()
{
    if (--m_link.m_operations == 0) {
        Q_EMIT m_link.operationChanged(false);
        m_link.noteIdle();
    }
}

bool SerialLink::idle() const
{
    return m_operations == 0 && !m_waitingForResponse && !m_waitBusy && m_transmitting == 0;
}

bool SerialLink::boxPending() const
{
    return m_boxes && m_boxes->pending();
}

void SerialLink::noteIdle()
{
    if (idle())
        Q_EMIT becameIdle();
}

int SerialLink::InitLink()
{
    const int step = ReadCommSettings();
    if (step != 0)
        return step;
    m_settings.DebugLevel = ReadDebugLevel(m_ctx.settings.SettingsFile);
    m_settings.DebugShowSent = IsYes(ReadSetting(m_ctx.settings.SettingsFile, QStringLiteral("Comm"),
                                                 QStringLiteral("DebugShowSent"), QStringLiteral("no")));

    const PortResult opened = m_port.setPortOpen(true);
    if (!opened.ok()) {
        m_lastError = opened.description;
        m_ctx.log.WriteLog(QStringLiteral("  ") +
                           FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_OpenPort_Err")),
                                         opened.description, QString::number(m_port.CommPort())));
        return 13;
    }
    m_port.setPortOpen(false);
    m_portIsOpen = false;

    if (m_settings.DebugLevel > 0)
        Q_EMIT debugMonitorWanted();
    return 0;
}

int SerialLink::ReadCommSettings()
{
    m_lastError.clear();
    const int step = ::ReadCommSettings(m_port, m_ctx.settings.SettingsFile, m_settings, &m_lastError);
    m_portIsOpen = m_port.PortOpen();
    return step;
}

int SerialLink::WriteCommSettings()
{
    m_lastError.clear();
    const int step = ::WriteCommSettings(m_port, m_ctx.settings.SettingsFile, m_settings, &m_lastError);
    // The caller shows why; the log keeps that the settings were not stored.
    if (step != 0)
        m_ctx.log.WriteLog(QStringLiteral("  ") +
                           FormatMessage(m_ctx.messages.get(QStringLiteral("WriteSettings_Err")),
                                         m_ctx.settings.SettingsFile));
    return step;
}

bool SerialLink::OpenPort()
{
    m_portIsOpen = m_port.PortOpen();
    if (m_portIsOpen)
        return true;
    const PortResult r = m_port.setPortOpen(true);
    m_portIsOpen = m_port.PortOpen();
    if (!r.ok() || !m_portIsOpen) {
        ReportError(m_ctx, QStringLiteral("  ") +
                               FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_OpenPort_Err")),
                                             r.description, QString::number(m_port.CommPort())));
        return false;
    }
    m_rx.clear();
    m_reopenAfterLoss = false;
    m_reopenTimer.stop();
    return true;
}

bool SerialLink::ClosePort()
{
    // Closed on purpose: it stays closed until it is opened on purpose.
    m_reopenAfterLoss = false;
    m_reopenTimer.stop();
    m_portIsOpen = m_port.PortOpen();
    if (!m_portIsOpen)
        return true;
    m_timerComm.stop();
    const PortResult r = m_port.setPortOpen(false);
    m_portIsOpen = m_port.PortOpen();
    if (!r.ok() || m_portIsOpen) {
        ReportError(m_ctx, QStringLiteral("  ") +
                               FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_ClosePort_Err")),
                                             r.description, QString::number(m_port.CommPort())));
        return false;
    }
    return true;
}

bool SerialLink::TransmitData(const QByteArray& frame, const QString& caption)
{
    const BoxHold hold(m_boxes);
    // An answer to an earlier frame must never be taken for the answer to this one.
    DeliverPendingFrames();

    ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_TransmitData_Info")), ToStatus | ToLog);
    if (!caption.isEmpty())
        m_pendingCaption = caption;
    m_ctx.ui.setBusy(true);
    m_cancelRequested = false;

    // A port that vanished is opened again by the next transmission.
    if (m_reopenAfterLoss && !m_port.PortOpen() && !OpenPort()) {
        m_ctx.ui.setBusy(false);
        return false;
    }

    // Shown as it is handed over, so the frame stands before its answer in the monitor.
    if (m_settings.DebugShowSent && (m_settings.DebugLevel == 1 || m_settings.DebugLevel == 3))
        Q_EMIT debugFrameSent(frame);

    const QDeadlineTimer until = deadline();
    ShowTransferDialog();
    const qsizetype chunk = m_port.OutBufferSize() > 0 ? m_port.OutBufferSize() : frame.size();

    ++m_transmitting;
    auto finish = [this](bool sent) {
        --m_transmitting;
        noteIdle();
        return sent;
    };
    for (qsizetype pos = 0; pos < frame.size(); pos += chunk) {
        m_ctx.ui.setTransferProgress(pos, frame.size());
        const PortResult r = m_port.Output(frame.mid(pos, chunk));
        if (!r.ok()) {
            HideTransferDialog();
            ShowLinkMessage(
                m_ctx,
                FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_TransmitData_Err")), r.description),
                ToBoxAlways | ToStatus | ToLog);
            m_ctx.ui.setBusy(false);
            return finish(false);
        }
        switch (waitUntil([this] { return m_port.OutBufferCount() == 0; }, until)) {
        case WaitEnd::Done:
            break;
        case WaitEnd::TimedOut:
            HideTransferDialog();
            ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_TransmitData_Timeout_Err")),
                            ToBox | ToStatus | ToLog);
            return finish(false);
        case WaitEnd::Cancelled:
            HideTransferDialog();
            ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_Action_Cancelled")),
                            ToBox | ToStatus | ToLog);
            return finish(false);
        case WaitEnd::PortLost:
            HideTransferDialog();
            reportPortLoss();
            return finish(false);
        }
    }
    m_ctx.ui.setTransferProgress(frame.size(), frame.size());
    HideTransferDialog();
    ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_TransferDone")), ToStatus | ToLog);
    m_ctx.ui.setBusy(false);
    return finish(true);
}

bool SerialLink::WaitForResponse(const QString& code, const QString& caption)
{
    const BoxHold hold(m_boxes);
    const bool wasWaiting = m_waitingForResponse;
    m_waitingForResponse = true;
    ShowLinkMessage(m_ctx, FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_Waiting_For_Answer")), code),
                    ToStatus | ToLog);
    if (!caption.isEmpty())
        m_pendingCaption = caption;
    ShowTransferDialog();
    m_cancelRequested = false;

    bool valid = false;
    const char start = static_cast<char>(code.toInt(&valid, 16));
    auto seen = [&] { return valid && m_rx.frameComplete() && m_rx.buffer().at(0) == start; };
    // Any other frame is handed over as it comes, so it neither waits for the end
    // of the wait nor stands in front of the awaited one.
    auto handOverOthers = [&] {
        if (m_handingOver)
            return;
        m_handingOver = true;
        while (m_rx.frameComplete() && !seen())
            handOverFrame();
        m_handingOver = false;
    };

    bool result = false;
    switch (waitUntil(seen, deadline(), [&] {
                handOverOthers();
                reportReceiveProgress();
            })) {
    case WaitEnd::Done:
        result = true;
        break;
    case WaitEnd::TimedOut:
        m_rx.clear();
        ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_Timeout_Short")), ToStatus | ToLog);
        ShowLinkMessage(
            m_ctx, FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_Timeout_Waiting_For_Answer")), code),
            ToBox);
        break;
    case WaitEnd::Cancelled:
        m_rx.clear();
        ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_Cancelled")), ToStatus | ToLog);
        break;
    case WaitEnd::PortLost:
        m_rx.clear();
        ShowLinkMessage(
            m_ctx, FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_WaitForResponse_Err")), m_lossText),
            ToLog);
        break;
    }
    HideTransferDialog();
    if (!result && m_lossUnreported)
        reportPortLoss();
    m_waitingForResponse = wasWaiting;
    noteIdle();
    return result;
}

void SerialLink::WaitForData()
{
    // A frame that completes while a transmission is going out waits for the
    // next tick: an answer sent now would land in the middle of that frame.
    if (m_waitingForResponse || m_waitBusy || m_transmitting > 0)
        return;
    if (!m_rx.hasFrame()) {
        m_timerComm.stop();
        return;
    }
    const BoxHold hold(m_boxes, BoxHold::FromTheEventLoop);
    m_waitBusy = true;
    m_timerComm.stop();

    ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_Receiving_Data")),
                    ToStatus | ToLogUnindented);
    ShowTransferDialog();
    m_cancelRequested = false;

    auto onWake = [this] {
        flushDiscarded();
        reportReceiveProgress();
    };
    switch (waitUntil([this] { return m_rx.frameComplete(); }, deadline(), onWake)) {
    case WaitEnd::Done:
        handOverFrame();
        break;
    case WaitEnd::TimedOut:
        m_rx.clear();
        ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_Timeout_Short")), ToStatus | ToLog);
        ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_Timeout_Completing_Data")), ToBox);
        break;
    case WaitEnd::Cancelled:
        m_rx.clear();
        ShowLinkMessage(m_ctx, m_ctx.messages.get(QStringLiteral("Comm_Cancelled")), ToStatus | ToLog);
        break;
    case WaitEnd::PortLost:
        m_rx.clear();
        ShowLinkMessage(m_ctx,
                        FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_WaitForData_Err")), m_lossText),
                        ToLog);
        break;
    }
    HideTransferDialog();
    if (m_lossUnreported)
        reportPortLoss();
    m_waitBusy = false;
    scheduleNextFrame();
    noteIdle();
}

void SerialLink::handOverFrame()
{
    const QString code = QString::number(quint8(m_rx.buffer().at(0)), 16).toUpper();
    const QByteArray frame = m_rx.takeFrame();
    logNotes();
    Q_EMIT frameReceived(code, frame);
}

void SerialLink::scheduleNextFrame()
{
    if (!m_rx.hasFrame())
        return;
    // The timer stays the fallback: the call below waits while a frame goes out.
    m_timerComm.start(std::max(0, m_settings.TimerInterval));
    // A frame that came in behind the one just handed over has had its interval
    // already, or most of it: it goes next, not one interval from now.
    if (m_rx.frameComplete())
        QMetaObject::invokeMethod(this, &SerialLink::WaitForData, Qt::QueuedConnection);
}

void SerialLink::DeliverPendingFrames()
{
    while (m_rx.frameComplete() && !m_waitBusy && !m_waitingForResponse && m_transmitting == 0)
        WaitForData();
}

void SerialLink::ShowTransferDialog()
{
    m_ctx.ui.setBusy(true);
    if (!m_settings.ShowCancelDialog)
        return;
    m_ctx.ui.showTransferDialog(m_pendingCaption, [this] { cancelTransfer(); });
    m_pendingCaption.clear();
}

void SerialLink::HideTransferDialog()
{
    m_ctx.ui.setBusy(false);
    if (m_settings.ShowCancelDialog)
        m_ctx.ui.hideTransferDialog();
}

void SerialLink::cancelTransfer()
{
    m_cancelRequested = true;
    if (m_settings.ShowCancelDialog)
        m_ctx.ui.hideTransferDialog();
    Q_EMIT woken();
}

void SerialLink::showInDebugMonitor(const QByteArray& bytes, bool isFrame)
{
    const int level = m_settings.DebugLevel;
    if (isFrame ? (level == 1 || level == 3) : (level == 2 || level == 3))
        Q_EMIT debugOutput(bytes, isFrame);
}

SerialLink::WaitEnd SerialLink::waitUntil(const std::function<bool()>& done, const QDeadlineTimer& until,
                                          const std::function<void()>& onWake)
{
    const int lossesAtStart = m_portLosses;
    auto verdict = [&]() -> std::optional<WaitEnd> {
        if (m_portLosses != lossesAtStart)
            return WaitEnd::PortLost;
        if (done())
            return WaitEnd::Done;
        if (m_cancelRequested)
            return WaitEnd::Cancelled;
        if (until.hasExpired())
            return WaitEnd::TimedOut;
        return std::nullopt;
    };
    if (onWake)
        onWake();
    std::optional<WaitEnd> end = verdict();
    if (end)
        return *end;

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    auto check = [&] {
        if (end)
            return;
        if (onWake)
            onWake();
        end = verdict();
        if (end)
            loop.quit();
        else if (!until.isForever() && !timer.isActive())
            timer.start(std::max<qint64>(1, until.remainingTime()));
    };
    connect(this, &SerialLink::woken, &loop, check);
    connect(&timer, &QTimer::timeout, &loop, check);
    if (!until.isForever())
        timer.start(std::max<qint64>(1, until.remainingTime()));
    ++m_activeWaits;
    loop.exec();
    --m_activeWaits;
    return *end;
}

QDeadlineTimer SerialLink::deadline() const
{
    if (m_settings.TimeOut <= 0)
        return QDeadlineTimer(QDeadlineTimer::Forever);
    return QDeadlineTimer(qint64(m_settings.TimeOut) * 1000, Qt::PreciseTimer);
}

void SerialLink::onReceived()
{
    const QByteArray bytes = m_port.Input();
    if (bytes.isEmpty())
        return;
    const bool frameWasComplete = m_rx.frameComplete();
    m_rx.feed(bytes);
    logNotes();
    if (m_rx.hasFrame()) {
        // A frame still coming in is due one interval after its latest bytes; one
        // whose end byte is in stays due when it was, whatever follows it.
        if (!frameWasComplete || !m_timerComm.isActive())
            m_timerComm.start(std::max(0, m_settings.TimerInterval));
    } else {
        flushDiscarded();
    }
    Q_EMIT woken();
}

void SerialLink::onPortFailed(const QString& description)
{
    ++m_portLosses;
    m_lossText = description;
    m_lossUnreported = true;
    m_reopenAfterLoss = true;
    m_portIsOpen = false;
    m_timerComm.stop();
    m_rx.clear();
    m_reopenTimer.start();
    Q_EMIT woken();
    // A running wait ends first and then reports; with none running, report now.
    if (m_activeWaits == 0)
        reportPortLoss();
}

void SerialLink::reportPortLoss()
{
    if (!m_lossUnreported)
        return;
    m_lossUnreported = false;
    ShowLinkMessage(m_ctx,
                    FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_PortLost_Err")),
                                  QString::number(m_port.CommPort()), m_lossText),
                    ToBoxAlways | ToStatus | ToLog);
    m_ctx.ui.setBusy(false);
}

void SerialLink::reopenLostPort()
{
    if (!m_reopenAfterLoss || m_port.PortOpen()) {
        m_reopenTimer.stop();
        return;
    }
    // A command in progress opens the port itself, and the settings dialog must
    // not find it opened under its hands.
    if (m_operations > 0)
        return;
    // Quietly: the loss was told once, and the device may take a while to come back.
    if (!m_port.setPortOpen(true).ok() || !m_port.PortOpen())
        return;
    m_portIsOpen = true;
    m_rx.clear();
    m_reopenAfterLoss = false;
    m_reopenTimer.stop();
    ShowLinkMessage(m_ctx,
                    FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_PortBack_Info")),
                                  QString::number(m_port.CommPort())),
                    ToStatus | ToLog);
}

void SerialLink::flushDiscarded()
{
    if (m_rx.discarded().isEmpty())
        return;
    showInDebugMonitor(m_rx.discarded(), false);
    m_rx.clearDiscarded();
}

void SerialLink::reportReceiveProgress()
{
    // Only a data-set frame's length is known beforehand, from the counts; a
    // record's shrinks with its blanks.
    const QByteArray& frame = m_rx.buffer();
    qint64 expected = 0;
    if (frame.size() >= 3 && frame.at(0) == char(0x85) &&
        QLatin1StringView(frame.constData() + 1, 2) == TransferKinds::DataSet)
        expected = 2 + 2 * qint64(TransferLayout::fromSettings(m_ctx.settings).dataSetPayloadBytes());
    m_ctx.ui.setTransferProgress(frame.size(), expected);
}

void SerialLink::logNotes()
{
    for (const QString& note : m_rx.takeNotes())
        m_ctx.log.WriteLog(note);
}
