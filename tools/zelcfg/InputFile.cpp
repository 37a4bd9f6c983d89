#include "InputFile.h"

#include "ConfigFiles.h"
#include "DataFile.h"
#include "FixedSizeFile.h"

#include <QFileInfo>

namespace {

constexpr FileKind kKinds[] = {FileKind::Data, FileKind::ConfigSingle, FileKind::ConfigGroup};

std::optional<FileKind> kindOfExtension(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (FileKind kind : kKinds) {
        if (suffix.compare(InputFile::kindName(kind), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

std::optional<FileKind> kindOfSize(qint64 size)
{
    for (FileKind kind : kKinds) {
        if (size == InputFile::sizeOf(kind))
            return kind;
    }
    return std::nullopt;
}

} // namespace

QString InputFile::kindName(FileKind kind)
{
    switch (kind) {
    case FileKind::ConfigSingle:
        return QStringLiteral("CNS");
    case FileKind::ConfigGroup:
        return QStringLiteral("CNG");
    default:
        return QStringLiteral("DAT");
    }
}

qsizetype InputFile::sizeOf(FileKind kind)
{
    switch (kind) {
    case FileKind::ConfigSingle:
        return kConfigRecordSize;
    case FileKind::ConfigGroup:
        return kConfigGroupSize;
    default:
        return DataSet::FileSize;
    }
}

Failure InputFile::load(const QString& path, const QString& settingsFile, std::optional<FileKind> expected)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Failure::badInput(QStringLiteral("%1: no such file").arg(path));
    std::optional<FileKind> kind = kindOfExtension(path);
    if (!kind)
        kind = kindOfSize(info.size());
    if (!kind)
        return Failure::badInput(
            QStringLiteral(
                "%1: %2 bytes is the size of no data file (8449), configuration file (1024) or group file "
                "(8192)")
                .arg(path)
                .arg(info.size()));
    if (expected && *kind != *expected)
        return Failure::badInput(QStringLiteral("%1: a %2 file is needed here, not a %3 file")
                                     .arg(path, kindName(*expected), kindName(*kind)));

    QString error;
    if (!ReadFixedSizeFile(path, sizeOf(*kind), m_image, error))
        return Failure::badInput(QStringLiteral("%1: %2").arg(path, error));
    m_kind = *kind;
    if (m_kind != FileKind::Data)
        return {};
    m_data = DataSet{};
    m_data.fromBytes(m_image);
    if (!HasDataFileVersion(m_data) && !IgnoreDatFileVersion(settingsFile))
        return Failure::badInput(
            QStringLiteral("%1: data format version %2, not %3 (see IgnoreDatFileVersion)")
                .arg(path, ConflictingDataVersion(m_data), QLatin1String(kDataFileVersion)));
    return {};
}
