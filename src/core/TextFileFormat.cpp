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

Storage detectStorage(QByteArrayView fileBytes)
{
    if (fileBytes.startsWith(kUtf16LEBom))
        return Storage::Utf16LE;
    if (fileBytes.startsWith(kUtf16BEBom))
        return Storage::Utf16BE;
    return Storage::Bytes;
}

QByteArray toLineBytes(const QByteArray& fileBytes, Storage storage)
{
    if (storage == Storage::Bytes)
        return fileBytes;
    QStringDecoder decoder(utf16Of(storage), QStringConverter::Flag::Stateless);
    const QString text = decoder(QByteArrayView(fileBytes).sliced(kUtf16LEBom.size()));
    return kUtf8Bom.toByteArray() + text.toUtf8();
}

QByteArray toFileBytes(const QByteArray& lineBytes, Storage storage)
{
    if (storage == Storage::Bytes)
        return lineBytes;
    QByteArrayView utf8 = lineBytes;
    if (utf8.startsWith(kUtf8Bom))
        utf8 = utf8.sliced(kUtf8Bom.size());
    QStringEncoder encoder(utf16Of(storage), QStringConverter::Flag::Stateless);
    const QByteArray text = encoder(QString::fromUtf8(utf8));
    return (storage == Storage::Utf16LE ? kUtf16LEBom : kUtf16BEBom).toByteArray() + text;
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
