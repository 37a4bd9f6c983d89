#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Profile-file access to the settings file, with the semantics of the Windows
// profile functions: section and key names match regardless of case and of
// blanks around them, comments and the order of the file are kept, new sections
// go to the end of the file and new keys to the end of their section, and lines
// that are not touched keep their bytes. A value enclosed in matching double or
// single quotes is read without them. A UTF-16 file with its byte-order mark is
// read and written as UTF-16; a file that is valid UTF-8 as UTF-8, any other as
// Windows-1252 (a new file is UTF-8). Lines end at CRLF, LF or a lone CR; new
// lines take the break the file uses most. Parsed files are cached, so repeated
// reads cost a file status query each.

// The cleaned value: at most 127 characters, cut at the first ";", TABs removed,
// trimmed. The default passes the same cleaning, after its quotes are removed.
QString ReadSetting(const QString& file, const QString& section, const QString& key,
                    const QString& defaultText);

// The key names of a section in file order (0-based), and optionally their cleaned
// values. False, with one empty entry in each list, when the section has no key.
bool ReadSectionKeys(const QString& file, const QString& section, QStringList& keys,
                     QStringList* values = nullptr);

// Writes (creating file, section and key as needed) or, with deleteIfEmpty and a
// blank value, deletes the key. When the folder refuses the temporary file of the
// save but the file itself may be written, it is written in place. True when the file holds the change afterwards:
// written, or already so (nothing is rewritten then). False when the file could
// not be read or written (the old file stays whole) or a name cannot be stored
// (empty, a line break, "=" or a leading ";" / "[" in a key, "]" in a section).
// Line breaks in the value are stored as blanks.
bool WriteSetting(const QString& file, const QString& section, const QString& key, const QString& value,
                  bool deleteIfEmpty);

// Rewrites the file with the "=" of every section aligned and runs of blank lines
// folded to one, keeping its code page and its line breaks. The new text goes to "tmptmp.tmp" in the
// same folder, which is then renamed over the file. 0 on success (also when the
// file is already tidy), otherwise step * 1000 + the system's error number:
// 1000 no such file, 2xxx opening, 3009 a key line before the first section,
// 6xxx creating, 8xxx writing, 9xxx flushing the temporary file, 12xxx renaming.
// The settings file is untouched on every failure.
qint16 TidySettingsFile(const QString& file);

// Replaces every occurrence, scanning again from the start after each replacement
// (case-sensitive). An empty find text changes nothing; a replacement containing
// the find text is applied in one pass, as rescanning would never end.
QString ReplaceAll(QString text, const QString& find, const QString& replacement);

// A window's position and size in twips.
struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipRect&) const = default;
};

// Stores prefix X, Y (and W, H) in twips; nothing when the window is not in its
// normal state (minimised or maximised). False when the file could not be written.
bool SaveWindowPlacement(const QString& file, const QString& section, const QString& prefix,
                         const TwipRect& window, bool normalState, bool saveWidth = true,
                         bool saveHeight = true);

// The placement to apply: the stored one, or the window centred on the screen
// when all four values are 0 or absent. Each value is its text's leading number
// rounded down (no number reads 0), clamped to -32768..32767. Width and height
// are taken only when above 0 and asked for.
TwipRect RestoreWindowPlacement(const QString& file, const QString& section, const QString& prefix,
                                const TwipRect& window, const QSize& screenTwips, bool restoreWidth = true,
                                bool restoreHeight = true);
