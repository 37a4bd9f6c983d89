#include "TextFileFormat.h"

#include "Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {
constexpr QByteArrayView kCrLf{"\r\n", 2};
constexpr QByteArrayView kLf{"\n", 1};
constexpr QByteArrayView kCr{"\r", 1};
constexpr QByteArrayView kUtf16LEBom{"\xFF\xFE", 2};
constexpr QByteArrayView kUtf16BEBom{"\xFE\xFF", 2};

QStringConverter::Encoding utf16Of(Storage storage)
{
    return storage == Storage::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
}

// UTF-8 for any UTF-16 code units; a lone surrogate, which UTF-8 has no form
// for, takes the three bytes its value would have.
QByteArray encodeUnits(QStringView text)
{
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (!c.isSurrogate())
            continue;
        out += text.sliced(from, i - from).toUtf8();
        const char16_t u = c.unicode();
        out.append(char(0xE0 | u >> 12)).append(char(0x80 | (u >> 6 & 0x3F))).append(char(0x80 | (u & 0x3F)));
        from = i + 1;
    }
    return out + text.sliced(from).toUtf8();
}

// The reverse of encodeUnits.
QString decodeUnits(QByteArrayView bytes)
{
    // A leading U+FEFF is text here (the file's mark is already off), which
    // QString::fromUtf8 would drop.
    const auto fromUtf8 = [](QByteArrayView utf8) {
        QStringDecoder decoder(QStringConverter::Utf8,
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        return QString(decoder(utf8));
    };
    QString out;
    qsizetype from = 0;
    for (qsizetype i = 0; i + 2 < bytes.size(); ++i) {
        const auto second = quint8(bytes[i + 1]);
        const auto third = quint8(bytes[i + 2]);
        // 0xED leads a three-byte form; with 0xA0..0xBF after it, the form of a surrogate.
        if (quint8(bytes[i]) != 0xED || second < 0xA0 || second > 0xBF || (third & 0xC0) != 0x80)
            continue;
        out += fromUtf8(bytes.sliced(from, i - from));
        out += QChar(char16_t(0xD000 | (second & 0x3F) << 6 | (third & 0x3F)));
        i += 2;
        from = i + 1;
    }
    return out + fromUtf8(bytes.sliced(from));
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
    const qsizetype whole = units.size() & ~qsizetype(1);
    // Qt's UTF-16 decoder keeps lone surrogates as they are; the file's own mark
    // is already off, so a second one is a character of the text.
    QStringDecoder decoder(utf16Of(storage),
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder(units.first(whole));
    return {kUtf8Bom.toByteArray() + encodeUnits(text), units.sliced(whole).toByteArray()};
}

QByteArray toFileBytes(const QByteArray& lineBytes, Storage storage, const QByteArray& tail)
{
    if (storage == Storage::Bytes)
        return lineBytes + tail;
    QByteArrayView utf8 = lineBytes;
    if (utf8.startsWith(kUtf8Bom))
        utf8 = utf8.sliced(kUtf8Bom.size());
    QStringEncoder encoder(utf16Of(storage), QStringConverter::Flag::Stateless);
    const QByteArray text = encoder(decodeUnits(utf8));
    return (storage == Storage::Utf16LE ? kUtf16LEBom : kUtf16BEBom).toByteArray() + text + tail;
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
