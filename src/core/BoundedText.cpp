#include "BoundedText.h"

qsizetype OldestLinesToDrop(const QString& current, qsizetype incoming, qsizetype bound)
{
    if (current.size() + incoming < bound)
        return 0;
    // 1-based position n; the pair at n is current[n - 1], current[n].
    qsizetype n = current.size() + incoming - bound;
    while (n > 1) {
        if (n < current.size() && current.at(n - 1) == QLatin1Char('\r') &&
            current.at(n) == QLatin1Char('\n'))
            return n + 1;
        --n;
    }
    return 0;
}

QString DropOldestLines(const QString& current, qsizetype incoming, qsizetype bound)
{
    return current.mid(OldestLinesToDrop(current, incoming, bound));
}

QString AppendProtocolLine(const QString& current, const QString& line, qsizetype bound)
{
    return DropOldestLines(current, line.size(), bound) + QLatin1Char(' ') + line + QStringLiteral("\r\n");
}
