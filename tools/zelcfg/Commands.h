#pragma once

#include "ExitCode.h"

#include <QString>
#include <QStringList>

class Arguments;

// The subcommands. Each takes its words after the command name, prints its
// result on standard output and gives its failure back; zelcfg() prints that
// failure as one line on standard error and exits with its status.
int zelcfg(const QStringList& arguments);

Failure runShow(const Arguments& args);
Failure runDiff(const Arguments& args, bool& different);
Failure runEdit(const Arguments& args);
Failure runPayload(const Arguments& args);
Failure runFetch(const Arguments& args);
Failure runSend(const Arguments& args);

// Standard output, as UTF-8.
void printOut(const QString& text);
