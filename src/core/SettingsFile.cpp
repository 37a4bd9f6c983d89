#include "SettingsFile.h"

#include "ProfileCache.h"
#include "TextFileFormat.h"

namespace {

// The profile functions return at most 127 characters (a 128-character buffer
// with its terminating NUL); the application then cuts the in-line comment.
constexpr qsizetype kValueChars = 127;

QString cleanValue(QString text)
{
    if (text.size() > kValueChars) {
        // Never leave half of a surrogate pair behind.
        text.truncate(text.at(kValueChars - 1).isHighSurrogate() ? kValueChars - 1 : kValueChars);
    }
    const qsizetype comment = text.indexOf(QLatin1Char(';'));
    if (comment >= 0)
        text.truncate(comment);
    text.remove(QLatin1Char('\t'));
    return TextFile::trimBlanks(text);
}

} // namespace

QString ReadSetting(const QString& file, const QString& section, const QString& key,
                    const QString& defaultText)
{
    const ProfileCache::Loaded loaded = SharedProfileCache().load(file);
    // A quoted default loses its quotes as a quoted value from the file does.
    return cleanValue(
        loaded.file.value(section, key).value_or(TextFile::unquote(TextFile::trimBlanks(defaultText))));
}

bool ReadSectionKeys(const QString& file, const QString& section, QStringList& keys, QStringList* values)
{
    const ProfileCache::Loaded loaded = SharedProfileCache().load(file);
    keys = loaded.file.keys(section);
    if (keys.isEmpty()) {
        keys = QStringList{QString()};
        if (values)
            *values = QStringList{QString()};
        return false;
    }
    if (values) {
        values->clear();
        values->reserve(keys.size());
        for (const QString& key : keys)
            values->append(cleanValue(loaded.file.value(section, key).value_or(QString())));
    }
    return true;
}

bool WriteSetting(const QString& file, const QString& section, const QString& key, const QString& value,
                  bool deleteIfEmpty)
{
    const bool remove = deleteIfEmpty && TextFile::trimBlanks(value).isEmpty();
    return SharedProfileCache().update(file, [&](ProfileFile& profile) {
        return remove ? profile.remove(section, key) : profile.setValue(section, key, value);
    });
}

QString ReplaceAll(QString text, const QString& find, const QString& replacement)
{
    if (find.isEmpty())
        return text;
    // Scanning again after each replacement would never end here; one pass is the
    // nearest meaning that does.
    if (replacement.contains(find))
        return text.replace(find, replacement);
    // A rule such as "ab" -> "bbaa" keeps producing new matches; stop it before it
    // eats the memory. Every terminating use stays far below these bounds.
    const qsizetype maxSize = text.size() * qMax<qsizetype>(1, replacement.size()) + 4096;
    constexpr int kMaxReplacements = 1 << 20;
    // Text before the last replacement, less the length of a match, was already
    // searched, so the search resumes there instead of at the start: same result.
    qsizetype from = 0;
    for (int n = 0; n < kMaxReplacements && text.size() <= maxSize; ++n) {
        const qsizetype at = text.indexOf(find, from);
        if (at < 0)
            break;
        text.replace(at, find.size(), replacement);
        from = qMax<qsizetype>(0, at - find.size() + 1);
    }
    return text;
}
