// Any bytes as a data file, read the way start-up and the toolbar read one.
// A file of the full size whose version is accepted (or whose conflict the
// settings ignore) must then be the data set byte for byte; any other file must
// leave the data set as it was.
//
// Input: a control byte (bit 0: the version field is set to this program's,
// bit 1: read on top of the current data set, bit 2: the settings ignore a
// version conflict, bit 3: the file is padded with NUL bytes to the full size
// less 8 plus the upper four bits, so that whole files come up at once), then
// the file.

#include "Cp1252.h"
#include "DataContext.h"
#include "DataFile.h"
#include "DataSet.h"
#include "FileImage.h"
#include "FuzzRun.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzRun run;
    static const QString path = run.file(QStringLiteral("fuzz.DAT"));
    static const QString strictSettings = run.file(QStringLiteral("strict.Ini"));
    static const QString lenientSettings = [] {
        const QString file = run.file(QStringLiteral("lenient.Ini"));
        FileImage::write(file, "[Main]\r\nIgnoreDatFileVersion=yes\r\n");
        return file;
    }();
    if (size == 0)
        return 0;
    const uint8_t control = data[0];
    QByteArray file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (control & 8)
        file = file.leftJustified(DataSet::FileSize - 8 + (control >> 4), '\0');
    if ((control & 1) && file.size() >= 10)
        file.replace(0, 10, QByteArray(kDataFileVersion).leftJustified(10, ' '));
    const bool keepCurrent = control & 2;
    const bool ignoreVersion = control & 4;
    run.settings.SettingsFile = ignoreVersion ? lenientSettings : strictSettings;
    FileImage::write(path, file);

    ConfigurationData records;
    records.Current.fromBytes(FileImage::pattern(DataSet::FileSize, 'c'));
    records.Reset.fromBytes(FileImage::pattern(DataSet::FileSize, 'r'));
    const QByteArray current = records.Current.toBytes();
    DataContext ctx{run.app, records, nullptr};
    QString chosen = path;
    const bool read = ReadDataFile(ctx, chosen, true, keepCurrent);

    const bool whole = file.size() >= DataSet::FileSize;
    const bool versionAccepted = Cp1252::decode(file.left(10)).trimmed() == QLatin1String(kDataFileVersion);
    FileImage::check(read == (whole && (versionAccepted || ignoreVersion)), "accepted the wrong files");
    if (read)
        FileImage::check(records.Current.toBytes() == file.left(DataSet::FileSize), "data set is not the file");
    else
        FileImage::check(records.Current.toBytes() == current, "refused file changed the data set");
    return 0;
}
