#pragma once

#include <QByteArray>
#include <QString>

// Reads the first `size` bytes of a file whose format has a fixed size. A file
// shorter than that is refused: its fields beyond the end would be undefined.
// On failure `error` describes why, in the manner of the system's error texts.
bool ReadFixedSizeFile(const QString& path, qsizetype size, QByteArray& image, QString& error);
