#pragma once

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "Clock.h"
#include "DataContext.h"
#include "DataSet.h"
#include "ExitCode.h"
#include "MessageTexts.h"
#include "SelectorLists.h"

#include <memory>

class ConsoleUserInterface;
class TextSink;

// What every command works with, set up from one settings file the way the
// editor's start-up sets itself up: the settings of section "Main" with their
// checks, the message texts, the selection lists the pages would hold, a log
// that writes no file (shown on standard error with --verbose), the data set
// and its side records.
class ToolContext
{
    Q_DISABLE_COPY(ToolContext)
public:
    ToolContext(ConsoleUserInterface& ui, TextSink* logSink);
    ~ToolContext();

    // The editor's settings file beside the program; for an installed copy, whose
    // folder is read-only, the user's copy the editor keeps (brought up to date
    // from the installed file the way the editor does it).
    static QString defaultSettingsFile();

    // Reads the settings file. The program folder is the settings file's folder,
    // as it is the editor's.
    Failure load(const QString& settingsFile);
    // The editor's reset image: the start-up data file the settings name, or a
    // data set of zeros; the data set starts as that image.
    Failure loadResetImage();

    AppSettings settings;
    std::unique_ptr<MessageTexts> messages;
    SelectorLists lists;
    SystemClock clock;
    std::unique_ptr<AppLog> log;
    ConsoleUserInterface& ui;
    std::unique_ptr<AppContext> app;
    ConfigurationData data;
    std::unique_ptr<DataContext> dataContext;

private:
    TextSink* m_logSink;
};
