#include "FixedSizeFile.h"

#include <QFile>
#include <QFileInfo>

bool ReadFixedSizeFile(const QString& path, qsizetype size, QByteArray& image, QString& error)
{
    if (QFileInfo(path).isDir()) {
        error = QStringLiteral("Is a directory");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    if (bytes.size() < size) {
        error = QStringLiteral("File too short: %1 bytes, %2 expected").arg(bytes.size()).arg(size);
        return false;
    }
    image = std::move(bytes);
    return true;
}
