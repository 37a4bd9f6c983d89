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

// Trims the blanks at both ends of the piece in place: a cell is added per byte,
// so copying the piece each time would cost the square of its length.
void trimEnds(QString& piece)
{
    qsizetype to = piece.size();
    while (to > 0 && piece.at(to - 1) == QLatin1Char(' '))
        --to;
    piece.truncate(to);
    qsizetype from = 0;
    while (from < piece.size() && piece.at(from) == QLatin1Char(' '))
        ++from;
    piece.remove(0, from);
}

void addByteCell(QString& piece, quint8 byte)
{
    trimEnds(piece);
    piece += QLatin1Char('-') + HexByte(byte) + QStringLiteral("-| ");
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
        addByteCell(out.hex, byte);
        addByteCell(out.ascii, byte);
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
    out.hex.reserve(bytes.size() * 5 + 1);
    out.ascii.reserve(bytes.size() * 5 + 1);
    for (const char c : bytes) {
        addByteCell(out.hex, quint8(c));
        out.ascii += characterCell(quint8(c));
    }
    return out;
}
