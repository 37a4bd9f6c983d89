#pragma once

#include <QString>

struct DataContext;

// The data format version written into every data file and expected on reading.
inline constexpr char kDataFileVersion[] = "2.1";

// Saves the data set through the save dialog proposing `path`. On a chosen file
// `path` becomes it; on cancel it stays and nothing is written. True when the
// file was written.
bool WriteDataFile(DataContext& ctx, QString& path);

// Loads a data file into the data set. `silent` skips the open dialog, the
// confirmation and the success message; `keepCurrent` skips the reset to the
// reset image before reading. True when the data set now holds the file's
// content and the caller may show it; otherwise the data set is as it was.
bool ReadDataFile(DataContext& ctx, QString& path, bool silent, bool keepCurrent = false);
