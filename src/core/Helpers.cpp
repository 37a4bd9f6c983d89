#include "Helpers.h"

#include "Cp1252.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cmath>
#include <limits>

namespace {

// The value of one hex digit of either case, -1 for any other character.
int nibble(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

bool isBlanksOnly(const QString& text)
{
    for (QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

} // namespace

QString FormatMessage(const QString& text, const QString& a1, const QString& a2, const QString& a3,
                      const QString& a4, const QString& a5)
{
    // Each argument takes the first "&" still in the text, which may be one that an
    // earlier argument brought in.
    QString result = text;
    for (const QString* arg : {&a1, &a2, &a3, &a4, &a5}) {
        const qsizetype at = result.indexOf(QLatin1Char('&'));
        if (at < 0)
            break;
        result = result.left(at) + *arg + result.mid(at + 1);
    }
    return result;
}

bool IsYes(const QString& text)
{
    const QString upper = text.toUpper();
    return upper == QLatin1String("JA") || upper == QLatin1String("YES");
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString HexByte(int value)
{
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

bool IsHexDigit(QChar c)
{
    return nibble(c) >= 0;
}

QString FirstNonHexDigit(const QByteArray& digits)
{
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const char c = digits.at(i);
        if (!IsHexDigit(QLatin1Char(c)))
            return QStringLiteral("byte 0x%1 at digit %2 is no hex digit")
                .arg(HexByte(static_cast<unsigned char>(c)))
                .arg(i + 1);
    }
    return {};
}

int ByteFromHex(const QString& text)
{
    QString pair = text.left(2);
    if (pair.size() == 1)
        pair.prepend(QLatin1Char('0'));
    if (pair.isEmpty())
        return 0;
    // The program writes capital digits; small ones read as the digits they are.
    // Any other character reads as 0 rather than as a value outside 0..255.
    const int high = nibble(pair.at(0));
    const int low = nibble(pair.at(1));
    if (high < 0 || low < 0)
        return 0;
    return high * 16 + low;
}

int LowByte(int value)
{
    return static_cast<quint16>(value) & 0xFF;
}

int HighByte(int value)
{
    return static_cast<quint16>(value) >> 8;
}

QString TextToHex(const QString& text)
{
    if (isBlanksOnly(text))
        return {};
    QString hex;
    hex.reserve(text.size() * 2);
    for (char byte : Cp1252::encode(text))
        hex += HexByte(static_cast<unsigned char>(byte));
    return hex;
}

QString HexToText(const QString& hex)
{
    if (isBlanksOnly(hex))
        return {};
    QString text;
    text.reserve(hex.size() / 2 + 1);
    for (qsizetype i = 0; i < hex.size(); i += 2)
        text += Cp1252::decodeByte(static_cast<unsigned char>(ByteFromHex(hex.mid(i, 2))));
    return text;
}

int SetBit(int byte, int bit)
{
    if (bit < 0 || bit > 7)
        return byte;
    return byte | (1 << bit);
}

bool TestBit(int byte, int bit)
{
    if (bit < 0 || bit > 7)
        return true;
    return (byte & (1 << bit)) != 0;
}

QStringList SplitList(const QString& text)
{
    // The trimmed text followed by "|": every piece ends with a "|", so the part after
    // the last one is not an entry.
    QStringList pieces = (text.trimmed() + QLatin1Char('|')).split(QLatin1Char('|'));
    pieces.removeLast();
    for (QString& piece : pieces)
        piece = piece.trimmed();
    return pieces;
}

int LeadingNumber(const QString& text)
{
    // The longest prefix of the form [blanks][sign]digits[.digits], rounded down.
    const QString t = text.trimmed();
    qsizetype end = 0;
    if (end < t.size() && (t.at(end) == QLatin1Char('-') || t.at(end) == QLatin1Char('+')))
        ++end;
    const qsizetype digitsStart = end;
    while (end < t.size() && t.at(end).isDigit() && t.at(end).unicode() < 128)
        ++end;
    if (end < t.size() && t.at(end) == QLatin1Char('.')) {
        ++end;
        while (end < t.size() && t.at(end).isDigit() && t.at(end).unicode() < 128)
            ++end;
    }
    if (end == digitsStart)
        return 0;
    bool ok = false;
    const double value = t.left(end).toDouble(&ok);
    if (!ok)
        return 0;
    const double floored = std::floor(value);
    if (floored >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (floored <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(floored);
}

bool IsNumeric(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

void PumpEvents()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

void WaitMilliseconds(int ms)
{
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
