#include "LinkCommands.h"

#include "AppLog.h"
#include "AppSettings.h"
#include "DataContext.h"
#include "DataReset.h"
#include "Helpers.h"
#include "LinkChecksum.h"
#include "LinkMessage.h"
#include "LinkRequests.h"
#include "MessageTexts.h"
#include "SerialLink.h"
#include "StatusTexts.h"
#include "TransferDecoding.h"
#include "TransferKinds.h"
#include "UserInterface.h"

LinkCommands::LinkCommands(DataContext& data, SerialLink& link, const SelectorLists& lists, QObject* parent)
    : QObject(parent), m_data(data), m_link(link), m_lists(lists)
{
    connect(&m_link, &SerialLink::frameReceived, this, &LinkCommands::InterpretCommand);
}

void LinkCommands::InterpretCommand(const QString& code, const QByteArray& frame)
{
    AppContext& ctx = m_data.app;
    m_link.showInDebugMonitor(frame, true);
    const QByteArray payload = frame.size() >= 2 ? frame.mid(1, frame.size() - 2) : QByteArray();

    if (code == QLatin1String("80")) {
        if (m_link.TransmitData(CommandFrame(char(0x81))))
            showResult(ctx.messages.get(QStringLiteral("Comm_OnlineTest_Request_Info")), ToStatus);
    } else if (code == QLatin1String("81")) {
        showResult(ctx.messages.get(QStringLiteral("Comm_OnlineTest_Info")), ToStatus | ToBox);
    } else if (code == QLatin1String("82")) {
        if (m_link.TransmitData(BuildStatusTextBlock(m_data)))
            showResult(ctx.messages.get(QStringLiteral("Comm_VersionInfo_Sent")), ToStatus);
    } else if (code == QLatin1String("83")) {
        if (const QString noise = FirstNonHexDigit(payload); !noise.isEmpty())
            fail(QStringLiteral("status texts not stored: %1").arg(noise));
        else
            storeStatusTexts(payload);
    } else if (code == QLatin1String("84")) {
        const QString kind = QString::fromLatin1(payload);
        // Only the data set and the configuration records can be asked for; a request
        // without a kind asks for the data set, as the send command takes it.
        if (!kind.isEmpty() && kind != TransferKinds::DataSet && kind != TransferKinds::AllRecords &&
            !TransferKinds::recordNumber(kind)) {
            fail(QStringLiteral("data request for unknown kind \"%1\" not answered").arg(kind));
            return;
        }
        m_pendingTransferKind = kind;
        Q_EMIT sendRequested(100);
    } else if (code == QLatin1String("85")) {
        answerData(payload);
    } else if (code == QLatin1String("86")) {
        compareChecksum(payload);
    } else if (code == QLatin1String("87")) {
        ResetDataSet(m_data, false, false);
        if (m_link.TransmitData(CommandFrame(char(0x88))))
            showResult(ctx.messages.get(QStringLiteral("Comm_Reset_ByRequest")), ToStatus);
    } else if (code == QLatin1String("88")) {
        showResult(ctx.messages.get(QStringLiteral("Comm_Reset_Done")), ToStatus | ToBox);
    } else if (code == QLatin1String("89")) {
        if (const QString noise = FirstNonHexDigit(payload); !noise.isEmpty())
            fail(QStringLiteral("control unit version not stored: %1").arg(noise));
        else
            storeVersion(payload);
    } else {
        fail(FormatMessage(ctx.messages.get(QStringLiteral("Comm_Command_Unknown")), code));
    }
}

void LinkCommands::fail(const QString& description)
{
    AppContext& ctx = m_data.app;
    ctx.log.WriteLog(
        QStringLiteral("  ") +
        FormatMessage(ctx.messages.get(QStringLiteral("Comm_InterpretCommand_Err")), description));
    ctx.ui.setBusy(false);
}

void LinkCommands::showResult(const QString& text, unsigned channels, bool clearStatus)
{
    if (clearStatus)
        ShowStatus(m_data.app.ui, QString());
    ShowLinkMessage(m_data.app, text, channels, MessageIcon::Information);
}

void LinkCommands::storeStatusTexts(const QByteArray& payload)
{
    AppContext& ctx = m_data.app;
    ctx.ui.pagesToDataSet();
    const StatusTextReading reading = ReadStatusTextBlock(m_data, QString::fromLatin1(payload));
    if (reading.surplus > 0) {
        fail(QStringLiteral("status text list with %1 entries beyond the sixth").arg(reading.surplus));
        return;
    }
    showResult(ctx.messages.get(QStringLiteral("Comm_VersionInfo_Received")), ToBoxOrStatus, true);
}

void LinkCommands::answerData(const QByteArray& payload)
{
    AppContext& ctx = m_data.app;
    const QByteArray digits = QByteArray::number(LinkChecksum(payload));
    // The data are stored only once the device has its answer.
    if (!m_link.TransmitData(CommandFrame(char(0x86), digits.toHex().toUpper())))
        return;
    const QString kind = QString::fromLatin1(payload.left(2));
    QString failure;
    if (!InterpretHexData(m_data, m_lists, m_collect, payload, &failure)) {
        // Nothing was stored. A file that could not be written was reported already;
        // a payload that could not be read is told here (the decoder logged it).
        if (!failure.isEmpty())
            ShowLinkMessage(ctx, failure, ToStatus | ToBox);
        Q_EMIT dataReceived(kind, false);
        return;
    }
    Q_EMIT dataReceived(kind, true);
    ShowLinkMessage(ctx, ctx.messages.get(QStringLiteral("Comm_Data_Received")), ToStatus | ToBox | ToLog,
                    MessageIcon::Information);
}

void LinkCommands::compareChecksum(const QByteArray& payload)
{
    AppContext& ctx = m_data.app;
    const int answered = LeadingNumber(QString::fromLatin1(QByteArray::fromHex(payload)));
    if (!m_checksumAwaited) {
        // No data went out that this could answer: it proves nothing about a transfer.
        fail(QStringLiteral("checksum answer %1 without data sent").arg(answered));
        return;
    }
    m_checksumAwaited = false;
    Q_EMIT checksumAnswered(answered == m_sentChecksum);
    if (answered == m_sentChecksum)
        ShowLinkMessage(ctx, ctx.messages.get(QStringLiteral("Comm_Data_Sent")), ToStatus | ToBox | ToLog);
    else
        ShowLinkMessage(ctx, ctx.messages.get(QStringLiteral("Comm_Checksum_Err")),
                        ToStatus | ToBoxAlways | ToLog);
}

void LinkCommands::storeVersion(const QByteArray& payload)
{
    AppContext& ctx = m_data.app;
    ctx.ui.pagesToDataSet();
    m_data.data.ACUVersion.set(HexToText(QString::fromLatin1(payload)));
    ctx.ui.dataSetToPages();
    showResult(QStringLiteral("ACU Versionsnummer empfangen"), ToBoxOrStatus, true);
}
