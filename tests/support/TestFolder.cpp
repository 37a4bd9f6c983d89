#include "TestFolder.h"

#include <QFile>

QString TestFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = file(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

QByteArray TestFolder::read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
