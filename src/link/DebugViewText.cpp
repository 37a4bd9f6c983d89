#include "DebugViewText.h"

#include "BoundedText.h"

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
    if (m_lastLineStart > 0) {
        const qsizetype dropped = OldestLinesToDrop(m_text, text.size(), Bound);
        change.droppedFront = m_text.left(dropped);
        m_text.remove(0, dropped);
        m_lastLineStart -= dropped;
    }
    change.keptLineStart = m_lastLineStart;
    const qsizetype lastBreak = text.lastIndexOf(kLineBreak);
    if (lastBreak >= 0)
        m_lastLineStart = m_text.size() + lastBreak + kLineBreak.size();
    m_text += text;
    change.appended = text;
    return change;
}

qsizetype DebugViewText::dropEndBlanks()
{
    // The text never starts with a blank (every line opens with "|" or "Tx"),
    // so only its end needs trimming.
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
