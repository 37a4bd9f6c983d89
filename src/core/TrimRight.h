#pragma once

#include <QString>

// The text without its trailing blanks, as the pages store box texts.
inline QString TrimRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}
