#include "TextFileFormat.h"

#include "Cp1252.h"

namespace TextFile {

namespace {
constexpr QByteArrayView kCrLf{"\r\n", 2};
constexpr QByteArrayView kLf{"\n", 1};
constexpr QByteArrayView kCr{"\r", 1};
} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int follow = 0;
        unsigned char min2 = 0x80; // bounds of the second byte rule out overlong forms,
        unsigned char max2 = 0xBF; // surrogates and code points above U+10FFFF
        if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            if (lead == 0xE0)
                min2 = 0xA0;
            else if (lead == 0xED)
                max2 = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            if (lead == 0xF0)
                min2 = 0x90;
            else if (lead == 0xF4)
                max2 = 0x8F;
        } else {
            return false;
        }
        if (n - i <= follow)
            return false;
        if (p[i + 1] < min2 || p[i + 1] > max2)
            return false;
        for (int k = 2; k <= follow; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += follow + 1;
    }
    return true;
}

Encoding detectEncoding(QByteArrayView bytes)
{
    return isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

QString decode(QByteArrayView bytes, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return QString::fromUtf8(bytes);
    return Cp1252::decode(bytes.toByteArray());
}

QByteArray encode(QStringView text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return text.toUtf8();
    return Cp1252::encode(text.toString());
}

QList<RawLine> splitLines(const QByteArray& bytes)
{
    QList<RawLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        RawLine line;
        if (lf < 0) {
            line.text = bytes.mid(start);
            if (line.text.endsWith('\r')) {
                line.text.chop(1);
                line.ending = kCr;
            }
            start = bytes.size();
        } else {
            const bool crlf = lf > start && bytes.at(lf - 1) == '\r';
            line.text = bytes.mid(start, lf - start - (crlf ? 1 : 0));
            line.ending = crlf ? kCrLf : kLf;
            start = lf + 1;
        }
        lines.append(std::move(line));
    }
    return lines;
}

QByteArrayView newlineFor(const QByteArray& bytes)
{
    const bool hasLf = bytes.contains('\n');
    const bool hasCrLf = bytes.contains("\r\n");
    return hasLf && !hasCrLf ? kLf : kCrLf;
}

bool isLineBreak(QByteArrayView ending)
{
    return ending == kCrLf || ending == kLf;
}

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

} // namespace TextFile
