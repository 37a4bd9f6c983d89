#include "AppSettings.h"

#include <QDir>

QString AppSettings::inProgramFolder(const QString& name) const
{
    return QDir::toNativeSeparators(ProgramFolder + QLatin1Char('/') + name);
}

QString AppSettings::inFilesFolder(const QString& name) const
{
    return QDir::toNativeSeparators(filesFolder() + QLatin1Char('/') + name);
}

const QStringList& DeviceModelNames()
{
    static const QStringList names{QStringLiteral("ZEL308"), QStringLiteral("ZEL312s"),
                                   QStringLiteral("MOR304m"), QStringLiteral("MOR308m")};
    return names;
}
