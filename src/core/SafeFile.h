#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Saves write a temporary file in the target's folder and rename it over the
// target, so an interrupted save never destroys the old file.
// On failure `error` receives the system's description.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// For a file in a folder that refuses new files (a program folder the user may
// not write) while the file itself may be written: the file is overwritten where
// it is, flushed to the disk and read back. When the new bytes do not go in
// whole, the old ones are put back. A crash midway can leave a mixed file, so
// this is only the way out when the rename cannot be had.
bool WriteFileInPlace(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Flushes the file's written bytes to the disk itself.
bool SyncToDisk(QFile& file);

// Renames `from` over `to`, replacing it in one step. On failure `errorNumber`
// receives the system's error code (errno, or the Windows error code).
bool ReplaceFile(const QString& from, const QString& to, QString* error = nullptr,
                 int* errorNumber = nullptr);
