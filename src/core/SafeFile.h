#pragma once

#include <QByteArray>
#include <QString>

// Saves write a temporary file in the target's folder and rename it over the
// target, so an interrupted save never destroys the old file.
// On failure `error` receives the system's description.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Renames `from` over `to`, replacing it in one step. On failure `errorNumber`
// receives the system's error code (errno, or the Windows error code).
bool ReplaceFile(const QString& from, const QString& to, QString* error = nullptr,
                 int* errorNumber = nullptr);
