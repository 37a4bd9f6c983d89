// Any bytes as a configuration file, one record ("CNS") or a group of eight
// ("CNG"), read as the snapshot page reads one and written back. A file of at
// least the kind's size becomes the record(s) byte for byte and is written back
// as its first bytes; a shorter one leaves the records as they were.
//
// Input: a control byte (bit 0: a group file, bit 1: the file is padded with NUL
// bytes to the kind's size less 8 plus the upper four bits, so that whole files
// come up at once), then the file.

#include "ConfigFiles.h"
#include "DataContext.h"
#include "DataSet.h"
#include "FileImage.h"
#include "FuzzRun.h"

#include <cstdint>

namespace {

QByteArray records(const ConfigurationData& data, bool single)
{
    if (single)
        return data.ConfigSingle.raw();
    QByteArray all;
    for (const auto& record : data.ConfigGroup)
        all.append(record.raw());
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzRun run;
    if (size == 0)
        return 0;
    const bool single = !(data[0] & 1);
    const QString path = run.file(single ? QStringLiteral("fuzz.CNS") : QStringLiteral("fuzz.CNG"));
    const QString copy = run.file(single ? QStringLiteral("copy.CNS") : QStringLiteral("copy.CNG"));
    const qsizetype kindSize = single ? kConfigRecordSize : kConfigGroupSize;
    QByteArray file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] & 2)
        file = file.leftJustified(kindSize - 8 + (data[0] >> 4), '\0');
    FileImage::write(path, file);

    ConfigurationData loaded;
    loaded.ConfigSingle.setBytes(FileImage::pattern(kConfigRecordSize, 's'));
    for (int slot = 0; slot < 8; ++slot)
        loaded.ConfigGroup[slot].setBytes(FileImage::pattern(kConfigRecordSize, char('g' + slot)));
    const QByteArray before = records(loaded, single);
    DataContext ctx{run.app, loaded, nullptr};
    run.ui.chosenPath = path;
    QString chosen;
    const bool read = ReadConfigFile(ctx, chosen, single);

    FileImage::check(read == (file.size() >= kindSize), "accepted the wrong files");
    if (!read) {
        FileImage::check(records(loaded, single) == before, "refused file changed the records");
        return 0;
    }
    FileImage::check(chosen == path, "path not taken over");
    FileImage::check(records(loaded, single) == file.left(kindSize), "records are not the file");
    QString target = copy;
    FileImage::check(WriteConfigFile(ctx, target, single, false), "records not written");
    FileImage::check(FileImage::read(copy) == file.left(kindSize), "written file is not the one read");
    return 0;
}
