#pragma once

#include <QString>

// The --help texts: the program's, or one command's ("" when there is no such command).
QString ProgramHelp();
QString CommandHelp(const QString& command);
