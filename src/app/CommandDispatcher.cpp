#include "CommandDispatcher.h"

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "AppWindows.h"
#include "BlankNames.h"
#include "ConfigTransfer.h"
#include "DataContext.h"
#include "DataFile.h"
#include "DataReset.h"
#include "Helpers.h"
#include "LinkCommands.h"
#include "LinkRequests.h"
#include "MessageTexts.h"
#include "SerialLink.h"
#include "Shutdown.h"
#include "UserInterface.h"

#include <QTimer>

namespace {

enum Command
{
    FileRead = 1,
    FileWrite = 2,
    Reset = 3,
    CommSendData = 5,
    CommReceiveData = 6,
    CommRestart = 7,
    CommGetInfo = 8,
    CommCheck = 9,
    CommSettings = 10,
    ShowProtocol = 12,
    ShowAbout = 13,
    EndProgram = 15,
    RequestWithoutQuery = 106,
    SendWithoutQuery = 107,
    SendVersion = 108,
};

// The commands that send or wait, and the port settings, which close the port.
bool usesTheLink(int number)
{
    switch (number) {
    case CommSendData:
    case CommReceiveData:
    case CommRestart:
    case CommGetInfo:
    case CommCheck:
    case CommSettings:
    case RequestWithoutQuery:
    case SendWithoutQuery:
    case SendVersion:
        return true;
    default:
        return false;
    }
}

} // namespace

CommandDispatcher::CommandDispatcher(AppContext& ctx, DataContext& data, SerialLink& link,
                                     LinkCommands& commands, ConfigTransfer& configs, AppWindows& windows,
                                     Shutdown& shutdown)
    : m_ctx(ctx), m_data(data), m_link(link), m_commands(commands), m_configs(configs), m_windows(windows),
      m_shutdown(shutdown), m_dataFile(ctx.settings.DefaultDataFile)
{
    m_idleConnection = QObject::connect(&m_link, &SerialLink::becameIdle, [this] { runQueuedSend(); });
}

CommandDispatcher::~CommandDispatcher()
{
    QObject::disconnect(m_idleConnection);
}

bool CommandDispatcher::postponedOrRefused(int number, QString& error)
{
    // The device's request also waits behind an open box, which it would cover.
    if (number == SendWithoutQuery) {
        if (m_link.idle() && !m_link.boxPending())
            return false;
        m_sendQueued = true;
        return true;
    }
    if (m_link.idle())
        return false;
    error = QStringLiteral("  ") +
            FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_Link_Busy")), QString::number(number));
    return true;
}

void CommandDispatcher::runQueuedSend()
{
    if (!m_sendQueued)
        return;
    m_sendQueued = false;
    // From the event loop, not from the end of the exchange that just finished.
    QTimer::singleShot(0, &m_link, [this] { InterpretMenuCommand(SendWithoutQuery); });
}

void CommandDispatcher::InterpretMenuCommand(int number)
{
    QString error;
    bool done = false;
    if (!usesTheLink(number)) {
        done = runCommand(number, error);
    } else if (postponedOrRefused(number, error)) {
        done = error.isEmpty();
    } else {
        const SerialLink::Operation running(m_link);
        done = runCommand(number, error);
    }
    if (done)
        return;
    // An unknown number, or a command that failed on the way: logged, never boxed.
    const QString detail =
        error.isEmpty()
            ? QStringLiteral("  ") + FormatMessage(m_ctx.messages.get(QStringLiteral("Comm_Command_Unknown")),
                                                   QString::number(number))
            : error;
    m_ctx.log.WriteLog(
        QStringLiteral("  ") +
        FormatMessage(m_ctx.messages.get(QStringLiteral("Interpret_MenuCommand_Err")), detail));
    m_ctx.ui.setBusy(false);
}

bool CommandDispatcher::runCommand(int number, QString& error)
{
    switch (number) {
    case FileRead:
        readDataFile();
        return true;
    case FileWrite:
        writeDataFile();
        return true;
    case Reset:
        ResetDataSet(m_data, true, false);
        return true;
    case CommSendData:
        return !ask(QStringLiteral("QuerySendData")) || sendDataSet(error);
    case SendWithoutQuery:
        return sendDataSet(error);
    case CommReceiveData:
        if (ask(QStringLiteral("QueryRequestData")))
            requestDataSet();
        return true;
    case RequestWithoutQuery:
        requestDataSet();
        return true;
    case CommRestart:
        if (ask(QStringLiteral("QuerySendDataReset")))
            exchange(CommandFrame(char(0x87)), QStringLiteral("TransmitData_SendReset"),
                     QStringLiteral("88"));
        return true;
    case CommGetInfo:
        exchange(CommandFrame(char(0x82)), QStringLiteral("TransmitData_GetVersionInfo"),
                 QStringLiteral("83"));
        return true;
    case CommCheck:
        exchange(CommandFrame(char(0x80)), QStringLiteral("TransmitData_OnlineTest"), QStringLiteral("81"));
        return true;
    case CommSettings:
        m_windows.editPortSettings();
        return true;
    case ShowProtocol:
        m_windows.showProtocolWindow();
        return true;
    case ShowAbout:
        m_windows.showAbout();
        return true;
    case EndProgram:
        m_shutdown.EndProgram(true);
        return true;
    case SendVersion:
        sendVersion();
        return true;
    default:
        return false;
    }
}

bool CommandDispatcher::ask(const QString& key)
{
    return m_ctx.ui.askYesNo(MessageIcon::Stop, m_ctx.ui.mainWindowCaption(), m_ctx.messages.get(key));
}

void CommandDispatcher::readDataFile()
{
    if (!ReadDataFile(m_data, m_dataFile, false))
        return;
    m_ctx.ui.dataSetToPages();
    CheckBlankNames(m_data, true);
    ShowStatus(m_ctx.ui, m_ctx.messages.get(QStringLiteral("ReadingData_Ok")));
}

void CommandDispatcher::writeDataFile()
{
    CheckBlankNames(m_data, true);
    m_ctx.ui.pagesToDataSet();
    WriteDataFile(m_data, m_dataFile);
}

bool CommandDispatcher::sendDataSet(QString& error)
{
    const QString pending = m_commands.PendingTransferKind();
    if (!pending.isEmpty() && pending != QLatin1String("20")) {
        // The device asked for a configuration record, not the data set.
        error = m_configs.SendConfig(ConfigIndexFromCode(pending));
        m_commands.setPendingTransferKind(QString());
        return error.isEmpty();
    }
    CheckBlankNames(m_data, true);
    m_ctx.ui.pagesToDataSet();
    m_commands.setPendingTransferKind(QString());
    error = SendDataSet(m_data, m_link, m_commands, m_windows.selectorLists());
    return error.isEmpty();
}

void CommandDispatcher::requestDataSet()
{
    RequestDataSet(m_ctx, m_link);
}

void CommandDispatcher::exchange(const QByteArray& bytes, const QString& captionKey, const QString& reply)
{
    ExchangeFrame(m_ctx, m_link, bytes, captionKey, reply);
}

void CommandDispatcher::sendVersion()
{
    m_ctx.ui.pagesToDataSet();
    const QString version = m_data.data.ACUVersion.text();
    if (version.trimmed().isEmpty()) {
        // Both texts are fixed in the program.
        m_ctx.ui.messageBox(MessageIcon::Stop, m_ctx.ui.mainWindowCaption(),
                            QStringLiteral("Keine ACU Versionsnummer angegeben..."));
        return;
    }
    if (m_link.TransmitData(VersionFrame(version)))
        ShowStatus(m_ctx.ui, QStringLiteral("  ACU Versionsnummer übertragen"));
}
