#pragma once

#include <QString>

// The text of one view of the link debug monitor, with CR LF line ends. Pieces
// of received output run on in one line; a sent frame gets a line of its own,
// opened by "Tx". The text keeps at most the latest 20480 characters: the oldest
// lines go first, and a last line longer than that is cut inside.
class DebugViewText
{
public:
    static constexpr qsizetype Bound = 20480;

    // The last line cut inside loses a multiple of `cutStep` characters counted
    // from its start, so a view that breaks lines into rows that wide loses
    // whole rows.
    explicit DebugViewText(qsizetype cutStep = 1) : m_cutStep(cutStep > 0 ? cutStep : 1) {}

    // What one call did to the text, so a view can follow without a full reload:
    // first `droppedBack` trailing characters went, then `droppedFront` at the
    // start (whole lines, or whole steps of the last line; all of the old text
    // when the appended output alone fills the view), then `appended`
    // came at the end. `keptLineStart` is where the line holding the end of the
    // kept text starts, so a view need only redo that line.
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
    // the position that would overflow the bound; when that still leaves more
    // than the bound, up to the first line break after it, or within the last
    // line when there is none.
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
    // Where to cut the old text followed by `incoming` when the line rule keeps
    // too much: after the first line break past `from`, else inside the last
    // line on a step of it, so that at most Bound characters stay.
    qsizetype cutAfter(qsizetype from, const QString& incoming) const;

    QString m_text;
    qsizetype m_cutStep;
    // Where the last line starts: above 0 exactly when the text holds a line
    // break, since the text never starts with one.
    qsizetype m_lastLineStart = 0;
};
