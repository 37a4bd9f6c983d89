#pragma once

#include <QString>

struct DataContext;

// Sizes of the two configuration file kinds: one record of 1024 characters
// ("CNS") or eight of them ("CNG").
inline constexpr int kConfigRecordSize = 1024;
inline constexpr int kConfigGroupSize = 8 * kConfigRecordSize;

enum class ConfigDialogMode
{
    Open = 1,
    Save = 2,
};

// Lets the user choose a single (`single`) or group configuration file.
// Returns the path or "" (cancelled, declined overwrite, missing file on open).
QString SelectConfigFile(DataContext& ctx, const QString& path, ConfigDialogMode mode, bool single);

// Reads the chosen file into ConfigSingle or ConfigGroup. `path` becomes the
// chosen file; on cancel it stays. A file shorter than its kind is refused and
// the record stays as it was.
bool ReadConfigFile(DataContext& ctx, QString& path, bool single);

// Writes ConfigSingle or ConfigGroup; with `ask` the save dialog comes first
// and `path` becomes the chosen file. True when the file was written.
bool WriteConfigFile(DataContext& ctx, QString& path, bool single, bool ask);
