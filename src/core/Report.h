#pragma once

#include <QString>

struct AppContext;

// The usual report of a failed operation: the text (already formatted, with its
// two leading blanks) goes to the log and the status line, and trimmed into a
// box with the exclamation icon titled with the program's file name.
void ReportError(AppContext& ctx, const QString& text);
