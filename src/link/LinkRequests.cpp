#include "LinkRequests.h"

#include "AppContext.h"
#include "DataContext.h"
#include "Helpers.h"
#include "LinkChecksum.h"
#include "LinkCommands.h"
#include "MessageTexts.h"
#include "SerialLink.h"
#include "TransferEncoding.h"
#include "TransferKinds.h"

QByteArray CommandFrame(char command, const QByteArray& payload)
{
    return QByteArray(1, command) + payload + QByteArray(1, char(0x0D));
}

QByteArray DataRequestFrame(const QString& kind)
{
    return CommandFrame(char(0x84), kind.toLatin1());
}

QByteArray VersionFrame(const QString& version)
{
    return CommandFrame(char(0x89), TextToHex(version).toLatin1());
}

bool ExchangeFrame(AppContext& ctx, SerialLink& link, const QByteArray& frame, const QString& captionKey,
                   const QString& reply)
{
    const QString caption = ctx.messages.get(captionKey);
    return link.TransmitData(frame, caption) &&
           link.WaitForResponse(
               reply, FormatMessage(ctx.messages.get(QStringLiteral("Comm_Waiting_For_Answer")), caption));
}

QString SendDataSet(DataContext& data, SerialLink& link, LinkCommands& commands, const SelectorLists& lists)
{
    const DataExchangeFrame built = PrepareDataExchange(data, lists, QString(TransferKinds::DataSet));
    if (!built.ok())
        return built.error;
    commands.setSentChecksum(LinkChecksum(built.payload()));
    ExchangeFrame(data.app, link, built.frame, QStringLiteral("TransmitData_Send"), QStringLiteral("86"));
    return {};
}

bool RequestDataSet(AppContext& ctx, SerialLink& link)
{
    return ExchangeFrame(ctx, link, DataRequestFrame(QString(TransferKinds::DataSet)),
                         QStringLiteral("TransmitData_Request"), QStringLiteral("85"));
}
