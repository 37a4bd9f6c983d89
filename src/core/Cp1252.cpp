#include "Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the five codes Windows leaves unassigned
// (they decode to the C1 control of the same value, as Windows does).
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteFor(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] == u || (kHighTable[i] == 0 && u == 0x80 + i))
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace Cp1252 {

bool canEncode(QChar c)
{
    return byteFor(c.unicode()) >= 0;
}

char encodeChar(QChar c)
{
    const int b = byteFor(c.unicode());
    return b < 0 ? '?' : static_cast<char>(b);
}

QByteArray encode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(encodeChar(c));
    return out;
}

QChar decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && kHighTable[byte - 0x80] != 0)
        return QChar(kHighTable[byte - 0x80]);
    return QChar(byte);
}

QString decode(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.append(decodeByte(static_cast<unsigned char>(b)));
    return out;
}

} // namespace Cp1252
