#pragma once

#include <QString>

struct DataContext;

// The three kinds of file the dialogs offer; each has its own filter and extension.
enum class FileKind
{
    Data = 1,         // "DAT", one data set
    ConfigSingle = 2, // "CNS", one configuration record
    ConfigGroup = 3,  // "CNG", all eight records
};

// The chosen path, or "" when the dialog was cancelled or the user declined to
// overwrite an existing file. A configuration file's path holding a character
// that Windows-1252 lacks is refused with "ConfigPath_Char_Err" naming it.
QString SaveAsDialog(DataContext& ctx, const QString& path, FileKind kind);

// The chosen path, or "" when cancelled or when the chosen file does not exist
// (reported with "FileNotFound"); configuration paths are refused as above.
QString OpenFileDialog(DataContext& ctx, const QString& path, FileKind kind);
