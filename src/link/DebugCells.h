#pragma once

#include <QByteArray>
#include <QString>

// What one output of the link debug monitor adds to its two views: the hex
// view and the character view, one cell per byte, cells closed by "|".
struct DebugPieces
{
    QString hex;
    QString ascii;
};

// A frame: each pair of payload digits becomes "HH | " in the hex view and its
// character (32 ... 127, else a blank) followed by "  | " in the character view.
// Any other byte (command byte, end byte, a digit left without partner) drops
// the blanks at the ends of the piece so far and adds "-HH-| " to both views.
DebugPieces DebugFramePieces(const QByteArray& frame);

// Bytes thrown away while hunting for a frame start: "-HH-| " after the hex
// piece without its end blanks; the character piece starts with a blank and
// adds the character and "  | " per byte.
DebugPieces DebugDiscardedPieces(const QByteArray& bytes);
