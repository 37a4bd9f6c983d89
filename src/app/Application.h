#pragma once

#include "AppContext.h"
#include "AppSettings.h"
#include "DataContext.h"
#include "DataSet.h"
#include "Shutdown.h"

#include <memory>
#include <optional>

class AppLog;
class AppWindows;
class Clock;
class CommandDispatcher;
class ConfigTransfer;
class HeldBoxes;
class LinkCommands;
class MessageTexts;
class SerialControl;
class SerialLink;
class UserInterface;

// The run's state and its parts: settings, texts, log, data set, link and
// dispatcher. Start() runs the start procedure; the windows come in through
// AppWindows and the user-interface seam.
class Application
{
    Q_DISABLE_COPY(Application)
public:
    // `identity` carries the program folder, file name, command line and version.
    Application(const AppSettings& identity, UserInterface& ui, const Clock& clock, SerialControl& port,
                Shutdown::Terminate terminate);
    ~Application();

    // Start-up ended the program without a step of its own: the start-up data
    // file could not be read (that read has reported why).
    static constexpr int kEndedWithoutStep = -1;

    // 0 when the program is ready; otherwise the failing step or
    // kEndedWithoutStep. The program has then been ended through the end
    // procedure, with the failing step as exit status (1 without a step).
    int Start(AppWindows& windows);

    void InterpretMenuCommand(int number);
    // Ends with exit status 0, or with the failed step's after a failed start-up.
    bool EndProgram(bool ask);
    // The debug button: the pages' data set is encoded as a kind "20" frame and
    // decoded again, so a mismatch between both directions shows on the pages.
    void TestTransferEncoding();

    AppSettings& settings() { return m_settings; }
    ConfigurationData& data() { return m_data; }
    // Available from the reading of the language on (start-up step 5).
    MessageTexts& messages() { return *m_messages; }
    AppLog& log() { return *m_log; }
    AppContext& context() { return *m_context; }
    DataContext& dataContext() { return *m_dataContext; }
    SerialLink& link() { return *m_link; }
    LinkCommands& linkCommands() { return *m_commands; }
    ConfigTransfer& configTransfer() { return *m_configs; }
    CommandDispatcher& dispatcher() { return *m_dispatcher; }
    Shutdown& shutdown() { return *m_shutdown; }
    bool started() const { return m_settings.InitDone; }

private:
    int runStart(AppWindows& windows, int& step);
    void fail(int step);

    AppSettings m_settings;
    UserInterface& m_ui;
    const Clock& m_clock;
    SerialControl& m_port;
    Shutdown::Terminate m_terminate;
    ConfigurationData m_data;
    std::unique_ptr<MessageTexts> m_messages;
    std::unique_ptr<AppLog> m_log;
    // The context's user interface: m_ui with the link's boxes held back while it is busy.
    std::unique_ptr<HeldBoxes> m_boxes;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<DataContext> m_dataContext;
    std::unique_ptr<Shutdown> m_shutdown;
    std::unique_ptr<SerialLink> m_link;
    std::unique_ptr<LinkCommands> m_commands;
    std::unique_ptr<ConfigTransfer> m_configs;
    std::unique_ptr<CommandDispatcher> m_dispatcher;
    AppWindows* m_windows = nullptr;
    // Replaces the fixed text of the failing step when start-up knows better.
    QString m_failureText;
    // 0, or once start-up has failed the step (1 without one), also when the
    // end comes from elsewhere while the failure is shown.
    int m_exitStatus = 0;
};
