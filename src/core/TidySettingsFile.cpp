#include "SettingsFile.h"

#include "ProfileCache.h"
#include "ProfileFile.h"
#include "SafeFile.h"
#include "TextFileFormat.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <optional>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

// Steps of the rewrite, as the result codes number them.
enum Step : int
{
    Exists = 1,
    Open = 2,
    FirstPass = 3,
    CreateTemporary = 6,
    WriteLines = 8,
    CloseFiles = 9,
    Rename = 12,
};

// "Subscript out of range": a key line before any section has no section to count in.
constexpr int kKeyOutsideSection = 9;

int lastSystemError()
{
#ifdef Q_OS_WIN
    return static_cast<int>(GetLastError());
#else
    return errno;
#endif
}

qint16 failure(int step, int error)
{
    // The error number must not spill into the step digits.
    return static_cast<qint16>(step * 1000 + std::clamp(error, 0, 999));
}

bool isKeyLine(const QString& line)
{
    return !line.isEmpty() && !line.startsWith(QLatin1Char('[')) && !line.startsWith(QLatin1Char(';')) &&
           line.contains(QLatin1Char('='));
}

// Every key line becomes two blanks, the key padded to the longest key of its
// section, " = " and the value; other lines are trimmed; runs of blank lines
// shrink to one. Nothing when a key line stands before the first section.
std::optional<QByteArray> tidied(const QByteArray& fileBytes)
{
    const TextFile::Storage storage = TextFile::detectStorage(fileBytes);
    const TextFile::LineBytes lineBytes = TextFile::toLineBytes(fileBytes, storage);
    const QByteArray& bytes = lineBytes.text;
    const TextFile::Encoding encoding = TextFile::lineEncoding(bytes, storage);
    const QList<TextFile::RawLine> raw = TextFile::splitLines(bytes);
    QByteArray bom;
    QStringList lines;
    lines.reserve(raw.size());
    for (const TextFile::RawLine& line : raw) {
        QByteArrayView text = line.text;
        if (lines.isEmpty() && TextFile::mayHaveUtf8Mark(encoding) && text.startsWith(TextFile::kUtf8Bom)) {
            bom = TextFile::kUtf8Bom.toByteArray();
            text = text.sliced(bom.size());
        }
        lines.append(TextFile::trimBlanks(TextFile::decode(text, encoding)));
    }

    QList<qsizetype> longest; // per section, counted from the first "[" line
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('['))) {
            longest.append(0);
        } else if (isKeyLine(line)) {
            if (longest.isEmpty())
                return std::nullopt;
            const qsizetype length =
                TextFile::trimBlanks(QStringView(line).first(line.indexOf(QLatin1Char('=')))).size();
            longest.last() = qMax(longest.last(), length);
        }
    }

    // Each line keeps its own break; a last line without one gets the file's usual one.
    const QByteArrayView newline = TextFile::newlineFor(raw);
    QByteArray out = bom;
    out.reserve(bytes.size() + bytes.size() / 4);
    qsizetype section = -1;
    bool previousEmpty = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1Char('[')))
            ++section;
        if (line.isEmpty() && previousEmpty)
            continue;
        previousEmpty = line.isEmpty();
        if (isKeyLine(line)) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            const QString key = TextFile::trimBlanks(QStringView(line).first(eq));
            const QString value = TextFile::trimBlanks(QStringView(line).sliced(eq + 1));
            out += TextFile::encode(QLatin1String("  ") + key.leftJustified(longest[section]) +
                                        QLatin1String(" = ") + value,
                                    encoding);
        } else {
            out += TextFile::encode(line, encoding);
        }
        out += TextFile::isLineBreak(raw[i].ending) ? raw[i].ending : newline;
    }
    return TextFile::toFileBytes(out, storage, lineBytes.tail);
}

} // namespace

qint16 TidySettingsFile(const QString& file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return failure(Exists, 0);
    // Through a symbolic link the link stays and its target is rewritten.
    const QString target = info.canonicalFilePath();
    const QString temporary = QFileInfo(target).absolutePath() + QLatin1String("/tmptmp.tmp");
    if (target == QFileInfo(temporary).absoluteFilePath())
        return failure(CreateTemporary, EEXIST);

    QFile in(target);
    if (!in.open(QIODevice::ReadOnly))
        return failure(Open, lastSystemError());
    if (in.size() > ProfileFile::kMaxBytes)
        return failure(FirstPass, EFBIG);
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return failure(FirstPass, lastSystemError());
    in.close();

    const std::optional<QByteArray> out = tidied(bytes);
    if (!out)
        return failure(FirstPass, kKeyOutsideSection);
    if (*out == bytes)
        return 0;

    QFile::remove(temporary); // left over from an interrupted run
    QFile tmp(temporary);
    if (!tmp.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return failure(CreateTemporary, lastSystemError());
    if (tmp.write(*out) != out->size()) {
        const int error = lastSystemError();
        tmp.close();
        QFile::remove(temporary);
        return failure(WriteLines, error);
    }
    // The new text must be on the disk before the rename, or a crash could leave
    // an empty settings file behind the new name.
    if (!tmp.flush() || !SyncToDisk(tmp)) {
        const int error = lastSystemError();
        tmp.close();
        QFile::remove(temporary);
        return failure(CloseFiles, error);
    }
    tmp.close();
    tmp.setPermissions(info.permissions());

    int error = 0;
    if (!ReplaceFile(temporary, target, nullptr, &error)) {
        QFile::remove(temporary);
        return failure(Rename, error);
    }
    SharedProfileCache().forget(file);
    return 0;
}
