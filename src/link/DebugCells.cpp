#include "DebugCells.h"

#include "Helpers.h"

namespace {

bool isPayloadDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

QChar shown(int value)
{
    return value >= 32 && value <= 127 ? QChar(char16_t(value)) : QLatin1Char(' ');
}

QString withoutEndBlanks(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == QLatin1Char(' '))
        ++from;
    while (to > from && text.at(to - 1) == QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}

QString byteCell(const QString& pieceSoFar, quint8 byte)
{
    return withoutEndBlanks(pieceSoFar) + QLatin1Char('-') + HexByte(byte) + QStringLiteral("-| ");
}

QString characterCell(int value)
{
    return shown(value) + QStringLiteral("  | ");
}

} // namespace

DebugPieces DebugFramePieces(const QByteArray& frame)
{
    DebugPieces out;
    auto other = [&](quint8 byte) {
        out.hex = byteCell(out.hex, byte);
        out.ascii = byteCell(out.ascii, byte);
    };
    int firstDigit = -1;
    for (const char c : frame) {
        if (!isPayloadDigit(c)) {
            if (firstDigit >= 0)
                other(quint8(firstDigit));
            firstDigit = -1;
            other(quint8(c));
        } else if (firstDigit < 0) {
            firstDigit = c;
        } else {
            const QString pair = QString(QLatin1Char(char(firstDigit))) + QLatin1Char(c);
            out.hex += pair + QStringLiteral(" | ");
            out.ascii += characterCell(ByteFromHex(pair));
            firstDigit = -1;
        }
    }
    if (firstDigit >= 0)
        other(quint8(firstDigit));
    return out;
}

DebugPieces DebugDiscardedPieces(const QByteArray& bytes)
{
    DebugPieces out;
    if (bytes.isEmpty())
        return out;
    out.ascii = QStringLiteral(" ");
    for (const char c : bytes) {
        out.hex = byteCell(out.hex, quint8(c));
        out.ascii += characterCell(quint8(c));
    }
    return out;
}
