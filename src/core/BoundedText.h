#pragma once

#include <QString>

// The text views of the protocol window and the debug monitor hold at most
// 20480 characters. Before `incoming` characters are appended, the oldest lines
// are dropped up to a line break at or before the overflow position; when the
// first line break lies after it, nothing is dropped.
QString DropOldestLines(const QString& current, qsizetype incoming, qsizetype bound = 20480);
