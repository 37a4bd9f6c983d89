#include "Application.h"

#include "AppLog.h"
#include "AppWindows.h"
#include "Clock.h"
#include "CommandDispatcher.h"
#include "ConfigTransfer.h"
#include "DataReset.h"
#include "DeviceModel.h"
#include "HeldBoxes.h"
#include "Helpers.h"
#include "LinkCommands.h"
#include "MessageTexts.h"
#include "SerialLink.h"
#include "StartupSettings.h"
#include "TransferDecoding.h"
#include "TransferEncoding.h"
#include "UserFiles.h"
#include "UserInterface.h"

namespace {

// The splash stays at least this long unless "Debug" is set.
constexpr qint64 kSplashMinimumMs = 5000;
// Between the version query and the data request at start-up.
constexpr int kPauseBeforeDataRequestMs = 1000;
constexpr int kPortSettingsCommand = 10;
constexpr int kVersionQueryCommand = 8;
constexpr int kRequestDataCommand = 106;

} // namespace

Application::Application(const AppSettings& identity, UserInterface& ui, const Clock& clock, SerialControl& port,
                         Shutdown::Terminate terminate)
    : m_settings(identity), m_ui(ui), m_clock(clock), m_port(port), m_terminate(std::move(terminate))
{
}

Application::~Application() = default;

void Application::InterpretMenuCommand(int number)
{
    if (m_dispatcher)
        m_dispatcher->InterpretMenuCommand(number);
}

bool Application::EndProgram(bool ask)
{
    return m_shutdown ? m_shutdown->EndProgram(ask, m_exitStatus) : true;
}

void Application::TestTransferEncoding()
{
    if (!m_dataContext || !m_windows)
        return;
    m_ui.pagesToDataSet();
    const DataExchangeFrame built =
        PrepareDataExchange(*m_dataContext, m_windows->selectorLists(), QStringLiteral("20"));
    m_ui.setBusy(false);
    if (!built.ok()) {
        // Decoding nothing would only hide why the frame could not be built.
        m_ui.messageBox(MessageIcon::Exclamation, m_settings.boxTitle(), built.error);
        return;
    }
    m_ui.messageBox(MessageIcon::Information, m_settings.boxTitle(), QStringLiteral("Erstellt"));
    InterpretHexData(*m_dataContext, m_windows->selectorLists(), m_commands->collection(), built.payload());
    m_ui.setBusy(false);
}

int Application::Start(AppWindows& windows)
{
    m_windows = &windows;
    int step = 0;
    const int failed = runStart(windows, step);
    if (!m_settings.InitDone) {
        // Scripts and service managers tell a failed start by the exit status.
        m_exitStatus = failed > 0 ? failed : 1;
        fail(failed);
    }
    return failed;
}

// The start procedure; returns 0 or the step that failed. `step` follows the
// numbering of the fixed failure texts.
int Application::runStart(AppWindows& windows, int& step)
{
    m_settings.ThemeActive = windows.themeActive();
    m_settings.MaxMainHeight = 10770;
    m_settings.InitDone = false;
    const qint64 startTick = m_clock.tickMs();

    ApplyDeviceModel(m_settings);
    windows.showSplash();

    DeriveFileNames(m_settings, m_clock.now().date());
    step = ReadLanguageAndLogFlag(m_settings);
    if (step != 0)
        return step;

    m_messages = std::make_unique<MessageTexts>(m_settings.SettingsFile, m_settings.Language);
    m_log = std::make_unique<AppLog>(m_clock, m_settings.filesFolder(), m_settings.ProgramFileName,
                                     m_settings.isGerman());
    m_log->setToFileDisabled(!m_settings.WriteLogFile);
    m_log->OpenLog(m_settings.LogFileName, windows.protocolView(), std::nullopt, std::nullopt, std::nullopt,
                   QStringLiteral("  ") + m_messages->get(QStringLiteral("WriteLog_Err")));
    m_log->WriteLog(QStringLiteral("Init"));
    if (const QString where = FilesFolderLogText(m_settings); !where.isEmpty())
        m_log->WriteLog(where);

    m_boxes = std::make_unique<HeldBoxes>(m_ui);
    m_context = std::make_unique<AppContext>(AppContext{m_settings, *m_messages, *m_log, *m_boxes, m_clock});
    m_shutdown = std::make_unique<Shutdown>(*m_context, windows, m_terminate);

    // Every key would read as missing; the user needs to know why.
    m_failureText = SettingsFileTooLargeText(m_settings);
    if (!m_failureText.isEmpty()) {
        step = 17;
        return step;
    }
    step = ReadMainSettings(m_settings);
    if (step != 0)
        return step;
    m_settings.NotDefinedText = m_messages->get(QStringLiteral("NotDefined"), QStringLiteral("NotDefined"));

    // The pages are created with the main window; it stays hidden until start-up is done.
    step = 25;
    const QString caption = QStringLiteral("%1 Version %2.%3 Build %4")
                                .arg(m_settings.AppTitle)
                                .arg(m_settings.VersionMajor)
                                .arg(m_settings.VersionMinor)
                                .arg(m_settings.VersionRevision);
    windows.createMainWindow(caption);
    m_dataContext = std::make_unique<DataContext>(DataContext{*m_context, m_data, windows.nameBoxes()});
    m_data.Reset = m_data.Current;
    m_data.Current = m_data.Reset;
    if (!m_ui.dataSetToPages())
        return step;

    m_link = std::make_unique<SerialLink>(*m_context, m_port, m_boxes.get());
    m_shutdown->setLink(m_link.get());
    m_commands = std::make_unique<LinkCommands>(*m_dataContext, *m_link, windows.selectorLists());
    m_configs = std::make_unique<ConfigTransfer>(*m_dataContext, *m_link, *m_commands, windows.selectorLists());
    m_dispatcher = std::make_unique<CommandDispatcher>(*m_context, *m_dataContext, *m_link, *m_commands,
                                                       *m_configs, windows, *m_shutdown);
    QObject::connect(m_link.get(), &SerialLink::debugMonitorWanted, [&windows] { windows.showDebugMonitor(); });
    QObject::connect(m_link.get(), &SerialLink::operationChanged,
                     [&windows](bool running) { windows.enableLinkCommands(!running); });
    QObject::connect(m_commands.get(), &LinkCommands::sendRequested,
                     [&windows](int delayMs) { windows.startSendTimer(delayMs); });

    step = m_link->InitLink();
    if (step != 0) {
        m_dispatcher->InterpretMenuCommand(kPortSettingsCommand);
        step = m_link->InitLink();
        if (step != 0)
            return 30 + step;
    }
    step = 0;

    const TwipRect placed = RestoreWindowPlacement(m_settings.SettingsFile, QStringLiteral("Screen"),
                                                   QStringLiteral("Coord_"), windows.mainPlacement(),
                                                   windows.screenTwips());
    windows.setMainPlacement(placed);
    m_shutdown->setPlacementRestored(true);

    if (!m_settings.SaveLoadEnabled) {
        windows.hideToolbarButton(1);
        windows.hideToolbarButton(2);
    }
    if (!m_settings.SystemResetEnabled)
        windows.hideToolbarButton(7);
    if (!m_settings.VersionInfoEnabled)
        windows.hideToolbarButton(8);
    if (!m_settings.OnlineTestEnabled)
        windows.hideToolbarButton(9);
    if (!m_settings.ShowProtocolEnabled)
        windows.hideToolbarButton(12);

    if (m_settings.Debug) {
        windows.showTestButton();
    } else {
        const qint64 left = kSplashMinimumMs - (m_clock.tickMs() - startTick);
        if (left > 0)
            WaitMilliseconds(int(left));
    }

    windows.showMainWindow();
    windows.closeSplash();
    PumpEvents();

    if (ResetDataSet(*m_dataContext, false, true) == ResetOutcome::EndProgram)
        return kEndedWithoutStep;
    if (m_settings.RequestStatus)
        m_dispatcher->InterpretMenuCommand(kVersionQueryCommand);
    if (m_settings.RequestData) {
        if (m_settings.RequestStatus)
            WaitMilliseconds(kPauseBeforeDataRequestMs);
        m_dispatcher->InterpretMenuCommand(kRequestDataCommand);
    }

    m_settings.ReadyText = m_messages->get(QStringLiteral("Ready"), QStringLiteral("Ready"));
    ShowStatus(m_ui, m_settings.ReadyText);
    m_ui.focusTabStrip();
    m_settings.InitDone = true;
    windows.loadRemainingPages();
    return 0;
}

void Application::fail(int step)
{
    if (step > 0) {
        const QString text =
            m_failureText.isEmpty() ? StartupStepText(step, m_settings.isGerman()) : m_failureText;
        m_ui.messageBox(MessageIcon::Exclamation, m_settings.boxTitle(), text.trimmed());
        ShowStatus(m_ui, text);
        if (m_log)
            m_log->WriteLog(text);
    }
    if (m_shutdown)
        m_shutdown->EndProgram(false, m_exitStatus);
    else
        m_terminate(m_exitStatus);
}
