#pragma once

#include "TextFileFormat.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One settings file in profile form, held as its lines so that an edit touches
// only the lines it must: every other line keeps its bytes and line ending. The
// one exception: an edit that would leave a Windows-1252 file valid UTF-8 turns
// the whole file into UTF-8, or its other lines would read differently.
//
// A section header is "[" name "]" (anything after "]" is ignored); a key line is
// name "=" value inside a section. Names match regardless of case and of blanks
// around them; the first section and the first key of a name win. Lines whose
// first non-blank character is ";", lines without "=", a "[" line without "]"
// and key lines before the first section are kept but mean nothing.
class ProfileFile
{
public:
    // Ordered, so that a batch of edits reports the strongest of its results.
    enum class Change
    {
        None,
        Done,
        Refused
    };

    // Files above this size are not settings files; they are left alone.
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

    // An empty file: UTF-8 with CRLF line endings.
    ProfileFile() = default;
    static ProfileFile parse(const QByteArray& bytes);
    QByteArray bytes() const;

    TextFile::Encoding encoding() const { return m_encoding; }

    // The value with blanks around it removed and one pair of enclosing double or
    // single quotes stripped; nothing when the section or the key is absent.
    std::optional<QString> value(QStringView section, QStringView key) const;
    // Section names in file order, each name once.
    QStringList sections() const;
    // Key names of a section in file order, each name once.
    QStringList keys(QStringView section) const;

    // Refused for names that could not be read back as given (empty, or holding a
    // line break, "=" / a leading ";" or "[" in a key, "]" in a section). Line
    // breaks in the value become blanks so a value cannot add lines.
    Change setValue(const QString& section, const QString& key, const QString& value);
    Change remove(QStringView section, QStringView key);
    // Keys the section does not have yet, appended to it in the given order (the
    // section is created when missing) in one pass, for merging whole files;
    // names as for setValue, keys already present are left alone.
    Change addKeys(const QString& section, const QList<std::pair<QString, QString>>& entries);

private:
    enum class Kind
    {
        Other,
        Section,
        Key
    };
    struct Line
    {
        QByteArray text;
        QByteArrayView ending; // static text, see TextFile::RawLine
        Kind kind = Kind::Other;
        QString name;
        QString value;
    };
    struct Section
    {
        qsizetype header = 0;
        qsizetype lastKey = 0;
        // Case-folded key name -> the key's first line in the section.
        QHash<QString, qsizetype> keys;
    };

    Line makeLine(QByteArray text, QByteArrayView ending, bool firstLine) const;
    void insertLine(qsizetype at, const QString& text);
    std::optional<Section> findSection(QStringView name) const;
    std::optional<qsizetype> findKey(QStringView section, QStringView key) const;
    void reindex();
    void keepReadingAsBefore();

    QList<Line> m_lines;
    // Case-folded section name -> its first occurrence and its keys.
    QHash<QString, Section> m_sections;
    TextFile::Storage m_storage = TextFile::Storage::Bytes;
    TextFile::Encoding m_encoding = TextFile::Encoding::Utf8; // of the line bytes
    QByteArray m_tail;                                        // an odd last byte of a UTF-16 file
    QByteArrayView m_newline{"\r\n", 2};
};
