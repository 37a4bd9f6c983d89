#include "DebugViewText.h"

#include "BoundedText.h"

#include <algorithm>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

DebugViewText::Change DebugViewText::addPiece(const QString& piece)
{
    const qsizetype back = dropEndBlanks();
    Change change = AppendText(atLineStart() ? QLatin1Char('|') + piece : piece);
    change.droppedBack = back;
    return change;
}

DebugViewText::Change DebugViewText::addSentLine(const QString& piece)
{
    const qsizetype back = dropEndBlanks();
    QString line = atLineStart() ? QString() : kLineBreak;
    line += QStringLiteral("Tx|") + piece.trimmed() + kLineBreak;
    Change change = AppendText(line);
    change.droppedBack = back;
    return change;
}

DebugViewText::Change DebugViewText::AppendText(const QString& text)
{
    Change change;
    const qsizetype total = m_text.size() + text.size();
    qsizetype cut = m_lastLineStart > 0 ? OldestLinesToDrop(m_text, text.size(), Bound) : 0;
    if (total - cut > Bound)
        cut = cutAfter(total - Bound, text);

    if (cut >= m_text.size() && cut > 0) {
        // The new output alone fills the view.
        change.droppedFront = m_text;
        m_text = text.mid(cut - m_text.size());
        const qsizetype lastBreak = m_text.lastIndexOf(kLineBreak);
        m_lastLineStart = lastBreak < 0 ? 0 : lastBreak + kLineBreak.size();
        change.appended = m_text;
        return change;
    }
    if (cut > 0) {
        change.droppedFront = m_text.left(cut);
        // Qt moves the start of the text rather than its characters here.
        m_text.remove(0, cut);
        m_lastLineStart = std::max<qsizetype>(0, m_lastLineStart - cut);
    }
    change.keptLineStart = m_lastLineStart;
    const qsizetype lastBreak = text.lastIndexOf(kLineBreak);
    if (lastBreak >= 0)
        m_lastLineStart = m_text.size() + lastBreak + kLineBreak.size();
    m_text += text;
    change.appended = text;
    return change;
}

qsizetype DebugViewText::cutAfter(qsizetype from, const QString& incoming) const
{
    const qsizetype old = m_text.size();
    // Whole lines when a line break ends after `from`.
    if (m_lastLineStart - kLineBreak.size() >= from - 1)
        return m_text.indexOf(kLineBreak, std::max<qsizetype>(0, from - 1)) + kLineBreak.size();
    const qsizetype later = incoming.indexOf(kLineBreak, std::max<qsizetype>(0, from - old - 1));
    if (later >= 0)
        return old + later + kLineBreak.size();

    // Inside the last line, on a step counted from its start.
    qsizetype lineStart = m_lastLineStart;
    if (from - old >= kLineBreak.size()) {
        const qsizetype before = incoming.lastIndexOf(kLineBreak, from - old - kLineBreak.size());
        if (before >= 0)
            lineStart = old + before + kLineBreak.size();
    }
    return lineStart + (from - lineStart + m_cutStep - 1) / m_cutStep * m_cutStep;
}

qsizetype DebugViewText::dropEndBlanks()
{
    // Only the end is trimmed: a start cut inside a line may begin with blanks
    // that stand for cells.
    qsizetype end = m_text.size();
    while (end > 0 && m_text.at(end - 1) == QLatin1Char(' '))
        --end;
    const qsizetype dropped = m_text.size() - end;
    m_text.truncate(end);
    return dropped;
}

bool DebugViewText::atLineStart() const
{
    return m_text.isEmpty() || m_text.endsWith(QLatin1Char('\n'));
}
