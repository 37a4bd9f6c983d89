#pragma once

#include <QByteArray>

// A Latin-1 text as a Windows editor saves it as "Unicode": the byte-order mark,
// then two bytes per character.
inline QByteArray Utf16Bytes(const QByteArray& latin1, bool littleEndian)
{
    QByteArray out = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const char c : latin1) {
        if (littleEndian)
            out.append(c).append('\0');
        else
            out.append('\0').append(c);
    }
    return out;
}

// Any UTF-16 code units, lone surrogates included, after the byte-order mark,
// as a damaged "Unicode" file may hold them.
inline QByteArray Utf16Units(const QString& units, bool littleEndian)
{
    QByteArray out = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar unit : units) {
        const char low = char(unit.unicode() & 0xFF);
        const char high = char(unit.unicode() >> 8);
        if (littleEndian)
            out.append(low).append(high);
        else
            out.append(high).append(low);
    }
    return out;
}
