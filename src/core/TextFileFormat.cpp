#include "TextFileFormat.h"

#include "Cp1252.h"


namespace TextFile {

namespace {
constexpr QByteArrayView kCrLf{"\r\n", 2};
constexpr QByteArrayView kLf{"\n", 1};
constexpr QByteArrayView kCr{"\r", 1};
constexpr QByteArrayView kUtf16LEBom{"\xFF\xFE", 2};
constexpr QByteArrayView kUtf16BEBom{"\xFE\xFF", 2};

// UTF-8 for any UTF-16 code units: a surrogate pair as one four-byte character,
// a lone surrogate as its own three bytes.
QByteArray encodeUnits(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() * 3 / 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        if (c < 0x80) {
            out.append(char(c));
        } else if (c < 0x800) {
            out.append(char(0xC0 | (c >> 6))).append(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.append(char(0xE0 | (c >> 12))).append(char(0x80 | ((c >> 6) & 0x3F))).append(char(0x80 | (c & 0x3F)));
        } else {
            out.append(char(0xF0 | (c >> 18)))
                .append(char(0x80 | ((c >> 12) & 0x3F)))
                .append(char(0x80 | ((c >> 6) & 0x3F)))
                .append(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

// The reverse of encodeUnits; a byte that starts no such sequence becomes U+FFFD.
QString decodeUnits(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    QString out;
    out.reserve(n);
    qsizetype i = 0;
    while (i < n) {
        const unsigned char lead = p[i];
        int follow = -1;
        char32_t c = 0;
        char32_t smallest = 0; // below it the form is overlong
        if (lead < 0x80) {
            follow = 0;
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            c = lead & 0x0F;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            c = lead & 0x07;
            smallest = 0x10000;
        }
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80) {
                follow = -1;
                break;
            }
            c = (c << 6) | (p[i + k] & 0x3F);
        }
        if (follow < 0 || c < smallest || c > 0x10FFFF) {
            out.append(QChar(QChar::ReplacementCharacter));
            ++i;
            continue;
        }
        if (c >= 0x10000)
            out.append(QChar(QChar::highSurrogate(c))).append(QChar(QChar::lowSurrogate(c)));
        else
            out.append(QChar(char16_t(c)));
        i += follow + 1;
    }
    return out;
}

constexpr qsizetype kUtf16MarkSize = 2;
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
    switch (encoding) {
    case Encoding::Utf8:
        return QString::fromUtf8(bytes);
    case Encoding::Utf16Text:
        return decodeUnits(bytes);
    case Encoding::Windows1252:
        break;
    }
    return Cp1252::decode(bytes.toByteArray());
}

QByteArray encode(QStringView text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf16Text:
        return encodeUnits(text);
    case Encoding::Windows1252:
        break;
    }
    return Cp1252::encode(text.toString());
}

Storage detectStorage(QByteArrayView fileBytes)
{
    if (fileBytes.startsWith(kUtf16LEBom))
        return Storage::Utf16LE;
    if (fileBytes.startsWith(kUtf16BEBom))
        return Storage::Utf16BE;
    return Storage::Bytes;
}

LineBytes toLineBytes(const QByteArray& fileBytes, Storage storage)
{
    if (storage == Storage::Bytes)
        return {fileBytes, {}};
    const QByteArrayView units = QByteArrayView(fileBytes).sliced(kUtf16MarkSize);
    const bool little = storage == Storage::Utf16LE;
    QString text(units.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto first = quint8(units[2 * i]);
        const auto second = quint8(units[2 * i + 1]);
        text[i] = QChar(char16_t(little ? first | second << 8 : first << 8 | second));
    }
    LineBytes line{kUtf8Bom.toByteArray() + encodeUnits(text), {}};
    if (units.size() % 2 != 0)
        line.tail = units.last(1).toByteArray();
    return line;
}

QByteArray toFileBytes(const QByteArray& lineBytes, Storage storage, const QByteArray& tail)
{
    if (storage == Storage::Bytes)
        return lineBytes + tail;
    QByteArrayView utf8 = lineBytes;
    if (utf8.startsWith(kUtf8Bom))
        utf8 = utf8.sliced(kUtf8Bom.size());
    const QString text = decodeUnits(utf8);
    const bool little = storage == Storage::Utf16LE;
    QByteArray out = (little ? kUtf16LEBom : kUtf16BEBom).toByteArray();
    out.reserve(out.size() + 2 * text.size() + tail.size());
    for (const QChar unit : text) {
        const char low = char(unit.unicode() & 0xFF);
        const char high = char(unit.unicode() >> 8);
        if (little)
            out.append(low).append(high);
        else
            out.append(high).append(low);
    }
    return out + tail;
}

Encoding lineEncoding(QByteArrayView lineBytes, Storage storage)
{
    return storage == Storage::Bytes ? detectEncoding(lineBytes) : Encoding::Utf16Text;
}

bool mayHaveUtf8Mark(Encoding encoding)
{
    return encoding != Encoding::Windows1252;
}

QList<RawLine> splitLines(const QByteArray& bytes)
{
    QList<RawLine> lines;
    const char* const data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && data[end] != '\n' && data[end] != '\r')
            ++end;
        RawLine line;
        line.text = bytes.mid(start, end - start);
        if (end == n) {
            start = n;
        } else if (data[end] == '\r' && end + 1 < n && data[end + 1] == '\n') {
            line.ending = kCrLf;
            start = end + 2;
        } else {
            line.ending = data[end] == '\r' ? kCr : kLf;
            start = end + 1;
        }
        lines.append(std::move(line));
    }
    return lines;
}

QByteArrayView newlineFor(const QList<RawLine>& lines)
{
    qsizetype crlf = 0;
    qsizetype lf = 0;
    qsizetype cr = 0;
    for (const RawLine& line : lines) {
        if (line.ending == kCrLf)
            ++crlf;
        else if (line.ending == kLf)
            ++lf;
        else if (line.ending == kCr)
            ++cr;
    }
    if (crlf >= lf && crlf >= cr)
        return kCrLf;
    return lf >= cr ? kLf : kCr;
}

bool isLineBreak(QByteArrayView ending)
{
    return !ending.isEmpty();
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

QString unquote(const QString& value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace TextFile
