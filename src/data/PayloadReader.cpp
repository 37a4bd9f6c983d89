#include "PayloadReader.h"

#include "Helpers.h"

PayloadReader::PayloadReader(const QByteArray& digits, qsizetype firstByte)
    : m_digits(digits), m_pos(2 * firstByte)
{
}

int PayloadReader::byte()
{
    if (!ok())
        return 0;
    if (m_pos + 1 > LastStartDigit) {
        fail(QStringLiteral("Overflow: read position beyond digit %1").arg(LastStartDigit));
        return 0;
    }
    const qsizetype start = m_pos;
    m_pos += 2;
    if (m_pos > m_digits.size()) {
        fail(QStringLiteral("Payload too short: %1 digits, the byte at digit %2 is missing")
                 .arg(m_digits.size())
                 .arg(start + 1));
        return 0;
    }
    return ByteFromHex(QString::fromLatin1(m_digits.constData() + start, 2));
}

int PayloadReader::word()
{
    const qsizetype at = m_pos;
    const int high = byte();
    if (high > 0x7F) {
        fail(QStringLiteral("Overflow: 16-bit value with high byte %1 at digit %2")
                 .arg(HexByte(high))
                 .arg(at + 1));
        return 0;
    }
    const int low = byte();
    return ok() ? high * 256 + low : 0;
}

int PayloadReader::code(int base)
{
    const int value = word();
    if (ok() && value + base > 32767) {
        fail(QStringLiteral("Overflow: code %1 plus base %2").arg(value).arg(base));
        return 0;
    }
    return ok() ? value + base : 0;
}

QByteArray PayloadReader::bytes(int count)
{
    QByteArray out;
    out.reserve(count);
    for (int i = 0; i < count && ok(); ++i)
        out.append(static_cast<char>(byte()));
    return ok() ? out : QByteArray();
}

void PayloadReader::skip(int count)
{
    if (ok())
        m_pos += 2 * qsizetype(count);
}

void PayloadReader::fail(const QString& why)
{
    if (ok())
        m_error = why;
}
