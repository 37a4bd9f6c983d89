#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// Byte-level rules shared by the settings file reader, writer and tidier: which
// code page a file is in, how it splits into lines and what counts as a blank.
namespace TextFile {

enum class Encoding
{
    Utf8,
    Windows1252
};

struct RawLine
{
    QByteArray text;       // without the line ending
    QByteArrayView ending; // "\r\n", "\n", or "" / "\r" for the last line (static text)
};

inline constexpr QByteArrayView kUtf8Bom{"\xEF\xBB\xBF", 3};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);
// A file that is valid UTF-8 is UTF-8; anything else is Windows-1252.
Encoding detectEncoding(QByteArrayView bytes);
QString decode(QByteArrayView bytes, Encoding encoding);
// Characters Windows-1252 cannot hold become '?'.
QByteArray encode(QStringView text, Encoding encoding);

// Lines end at LF (a CR before it belongs to the ending); a file ending in a line
// break has no empty last line.
QList<RawLine> splitLines(const QByteArray& bytes);
// The ending for new lines: LF when the file breaks its lines with LF only, else CRLF.
QByteArrayView newlineFor(const QByteArray& bytes);
bool isLineBreak(QByteArrayView ending);

// Names and values of the profile format are trimmed of blanks and TABs only.
QString trimBlanks(QStringView text);

} // namespace TextFile
