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
