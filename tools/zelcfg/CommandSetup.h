#pragma once

#include "ConsoleUserInterface.h"
#include "ExitCode.h"
#include "ProgressDisplay.h"
#include "ToolContext.h"

class Arguments;

// What a command runs with, from its options: the progress display (--quiet),
// the console seam (--verbose) and the context read from --settings.
class CommandSetup
{
    Q_DISABLE_COPY(CommandSetup)
public:
    explicit CommandSetup(const Arguments& args);

    Failure load();

    ProgressDisplay progress;
    ConsoleUserInterface ui;
    ToolContext tool;

private:
    QString m_settingsFile;
};
