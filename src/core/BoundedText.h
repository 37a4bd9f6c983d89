#pragma once

#include <QString>

// The text views of the protocol window and the debug monitor hold at most
// 20480 characters. Before `incoming` characters are appended, the oldest lines
// are dropped up to a line break at or before the overflow position; when the
// first line break lies after it, nothing is dropped and the view grows past
// the bound.

// How many leading characters of `current` to drop: through the CR LF found by
// scanning back from the 1-based overflow position n = len(current) + incoming
// - bound, or 0 when the text stays below the bound, no pair is found, or the
// only pair stands at position 1.
qsizetype OldestLinesToDrop(const QString& current, qsizetype incoming, qsizetype bound = 20480);

QString DropOldestLines(const QString& current, qsizetype incoming, qsizetype bound = 20480);

// A plain text view's new contents after one protocol line: the kept text, one
// blank, the line and CR LF.
QString AppendProtocolLine(const QString& current, const QString& line, qsizetype bound = 20480);
