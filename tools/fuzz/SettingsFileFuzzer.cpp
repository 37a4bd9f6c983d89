// Any bytes as a settings file: every key of every section is read, one key is
// written through the program's own write (an existing key, a new key of an
// existing section or a key of a new section, with a value of any characters),
// and the file is read again. It must still parse, the written key must read
// back as written and every other key must keep its value.
//
// Input: one control byte (which key), one length byte, that many bytes of the
// value (Windows-1252), then the file.

#include "Cp1252.h"
#include "FuzzRun.h"
#include "ProfileFile.h"
#include "SettingsFile.h"
#include "TextFileFormat.h"

#include <QFile>
#include <QMap>
#include <QPair>

#include <cstdint>
#include <iterator>
#include <cstdio>
#include <cstdlib>

namespace {

using Keys = QMap<QPair<QString, QString>, QString>; // (section, key) -> value

void fail(const char* what, const QString& section, const QString& key)
{
    std::fprintf(stderr, "%s: [%s] %s\n", what, qPrintable(section), qPrintable(key));
    std::abort();
}

// Candidate section names, found apart from the reader: the text between a
// leading "[" and the first "]" of any line. A candidate the reader does not
// take for a section simply has no keys.
QStringList sectionCandidates(const QByteArray& bytes)
{
    const QString text = TextFile::decode(bytes, TextFile::detectEncoding(bytes));
    QStringList names;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = TextFile::trimBlanks(line);
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (trimmed.startsWith(QLatin1Char('[')) && close > 0)
            names.append(TextFile::trimBlanks(QStringView(trimmed).sliced(1, close - 1)));
    }
    return names;
}

Keys readAll(const ProfileFile& file, const QStringList& sections)
{
    Keys keys;
    for (const QString& section : sections) {
        for (const QString& key : file.keys(section)) {
            const std::optional<QString> value = file.value(section, key);
            if (!value)
                fail("listed key without value", section, key);
            // The first section of a name wins, so its case-folded name identifies it.
            keys.insert({section.toCaseFolded(), key.toCaseFolded()}, *value);
        }
    }
    return keys;
}

QByteArray fileBytes(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        fail("written file cannot be read", path, QString());
    return in.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzRun run;
    static const QString path = run.file(QStringLiteral("fuzz.Ini"));
    if (size < 2)
        return 0;
    const uint8_t control = data[0];
    const size_t valueLength = std::min<size_t>(data[1], size - 2);
    // Blanks and quotes at the ends of a value are not part of it when read, and
    // a line break is stored as a blank: the markers keep the value's own ends.
    QString value = Cp1252::decode(QByteArray(reinterpret_cast<const char*>(data + 2), qsizetype(valueLength)));
    const QString expected = QLatin1Char('<') + QString(value).replace(QLatin1Char('\r'), QLatin1Char(' '))
                                                      .replace(QLatin1Char('\n'), QLatin1Char(' ')) +
                             QLatin1Char('>');
    value = QLatin1Char('<') + value + QLatin1Char('>');
    const QByteArray original(reinterpret_cast<const char*>(data + 2 + valueLength),
                              qsizetype(size - 2 - valueLength));

    const QStringList sections = sectionCandidates(original);
    const ProfileFile before = ProfileFile::parse(original);
    if (before.bytes() != original)
        fail("file does not keep its bytes", QString(), QString());
    const Keys keys = readAll(before, sections);

    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(original) != original.size())
        fail("cannot write the input file", path, QString());
    out.close();
    // The program's reads of every section agree with the file's keys.
    for (const QString& section : sections) {
        QStringList names;
        QStringList values;
        if (ReadSectionKeys(path, section, names, &values) != !before.keys(section).isEmpty())
            fail("section keys disagree", section, QString());
    }

    // Which key: an existing one, a new key of an existing section, a new section.
    QString section = QStringLiteral("FuzzSection");
    QString key = QStringLiteral("FuzzKey");
    const int choice = control % 3;
    if (choice == 0 && !keys.isEmpty()) {
        const auto it = std::next(keys.cbegin(), (control / 3) % keys.size());
        for (const QString& s : sections) {
            if (s.toCaseFolded() == it.key().first) {
                section = s;
                break;
            }
        }
        for (const QString& k : before.keys(section)) {
            if (k.toCaseFolded() == it.key().second)
                key = k;
        }
    } else if (choice == 1 && !sections.isEmpty()) {
        section = sections.at((control / 3) % sections.size());
    }
    // Names a file cannot hold as given are refused (an empty section, a line break).
    const auto holdsLineBreak = [](const QString& name) {
        return name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n'));
    };
    const bool storable = !section.isEmpty() && !holdsLineBreak(section) && !holdsLineBreak(key);
    if (WriteSetting(path, section, key, value, false) != storable)
        fail("write result", section, key);
    if (!storable)
        return 0;

    const ProfileFile after = ProfileFile::parse(fileBytes(path));
    if (after.value(section, key) != expected)
        fail("written key reads back otherwise", section, key);
    const Keys now = readAll(after, sections);
    const QPair<QString, QString> written{section.toCaseFolded(), key.toCaseFolded()};
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        if (it.key() != written && now.value(it.key()) != it.value())
            fail("another key changed", it.key().first, it.key().second);
    }
    return 0;
}
