#pragma once

#include <QString>

// The text of one view of the link debug monitor, with CR LF line ends. Pieces
// of received output run on in one line; a sent frame gets a line of its own,
// opened by "Tx". The text is kept below 20480 characters by dropping its
// oldest lines, so output without any line break is never cut.
class DebugViewText
{
public:
    static constexpr qsizetype Bound = 20480;

    // What one call did to the text, so a view can follow without a full reload:
    // first `droppedBack` trailing characters went, then the whole lines
    // `droppedFront` at the start, then `appended` came at the end.
    // `keptLineStart` is where the line holding the end of the kept text starts,
    // so a view need only redo that line.
    struct Change
    {
        QString droppedFront;
        qsizetype droppedBack = 0;
        qsizetype keptLineStart = 0;
        QString appended;
    };

    // Received output: the blanks at the end go, an empty text or line is opened
    // with "|", then the piece is appended.
    Change addPiece(const QString& piece);
    // A sent frame's piece on a line of its own: "Tx|", the piece without its
    // end blanks, CR LF.
    Change addSentLine(const QString& piece);
    // Appends after dropping the oldest lines up to a line break at or before
    // the position that would overflow the bound.
    Change AppendText(const QString& text);
    void clear()
    {
        m_text.clear();
        m_lastLineStart = 0;
    }

    const QString& text() const { return m_text; }

private:
    qsizetype dropEndBlanks();
    bool atLineStart() const;

    QString m_text;
    // Above 0 exactly when the text holds a line break; output without any is
    // never cut, so it need not be searched for one.
    qsizetype m_lastLineStart = 0;
};
