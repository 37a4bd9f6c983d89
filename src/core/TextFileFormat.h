#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// Byte-level rules shared by the settings file reader, writer and tidier: which
// code page a file is in, how it splits into lines and what counts as a blank.
// Files saved as "Unicode" by Windows editors are UTF-16 with a byte-order mark;
// the line code works on them as UTF-8 (the mark as the UTF-8 mark) and they
// become UTF-16 again, with their mark, when written. A damaged one keeps its
// bytes: a lone surrogate travels in the three-byte form strict UTF-8 leaves
// out, an odd last byte beside the text.
namespace TextFile {

enum class Encoding
{
    Utf8,
    Windows1252,
    // The line text of a UTF-16 file: UTF-8 that also carries lone surrogates.
    Utf16Text
};

// How the file holds its text on disk.
enum class Storage
{
    Bytes, // UTF-8 or Windows-1252
    Utf16LE,
    Utf16BE
};

struct RawLine
{
    QByteArray text;       // without the line ending
    QByteArrayView ending; // "\r\n", "\n", "\r", or "" for a last line without one (static text)
};

inline constexpr QByteArrayView kUtf8Bom{"\xEF\xBB\xBF", 3};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);
// A file that is valid UTF-8 is UTF-8; anything else is Windows-1252.
Encoding detectEncoding(QByteArrayView bytes);
QString decode(QByteArrayView bytes, Encoding encoding);
// Characters Windows-1252 cannot hold become '?'.
QByteArray encode(QStringView text, Encoding encoding);

// UTF-16 by its byte-order mark, otherwise bytes.
Storage detectStorage(QByteArrayView fileBytes);

// A file's text as the line code reads it: the lines' bytes, and an odd last
// byte of a UTF-16 file, which is no character and stays the file's last byte.
struct LineBytes
{
    QByteArray text;
    QByteArray tail;
};
LineBytes toLineBytes(const QByteArray& fileBytes, Storage storage);
// The line code's bytes as the file stores them (a UTF-16 file always starts
// with its mark).
QByteArray toFileBytes(const QByteArray& lineBytes, Storage storage, const QByteArray& tail = {});
// How the line bytes hold their text: always UTF-16 text for a UTF-16 file.
Encoding lineEncoding(QByteArrayView lineBytes, Storage storage);
// Whether a first line may start with the UTF-8 mark.
bool mayHaveUtf8Mark(Encoding encoding);

// Lines end at CRLF, LF or a lone CR, as the Windows profile functions read them;
// a file ending in a line break has no empty last line.
QList<RawLine> splitLines(const QByteArray& bytes);
// The ending for new lines: the break the file uses most, CRLF on a tie and for
// a file without any.
QByteArrayView newlineFor(const QList<RawLine>& lines);
bool isLineBreak(QByteArrayView ending);

// Names and values of the profile format are trimmed of blanks and TABs only.
QString trimBlanks(QStringView text);
// One pair of enclosing double or single quotes removed.
QString unquote(const QString& value);

} // namespace TextFile
