#pragma once

#include <QString>

struct DataContext;
struct DataSet;

// The data format version written into every data file and expected on reading.
inline constexpr char kDataFileVersion[] = "2.1";

// True when the version field, trimmed, is the version this program writes.
bool HasDataFileVersion(const DataSet& data);
// The file's version as a version conflict names it: the trimmed field, or
// "0.0" when that is not a number.
QString ConflictingDataVersion(const DataSet& data);
// "IgnoreDatFileVersion" of section "Main": a file of another version is then
// used as it is.
bool IgnoreDatFileVersion(const QString& settingsFile);

// Saves the data set through the save dialog proposing `path`. On a chosen file
// `path` becomes it; on cancel it stays and nothing is written. True when the
// file was written.
bool WriteDataFile(DataContext& ctx, QString& path);

// Loads a data file into the data set. `silent` skips the open dialog, the
// confirmation and the success message; `keepCurrent` skips the reset to the
// reset image before reading. True when the data set now holds the file's
// content and the caller may show it; otherwise the data set is as it was.
bool ReadDataFile(DataContext& ctx, QString& path, bool silent, bool keepCurrent = false);
