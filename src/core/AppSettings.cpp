#include "AppSettings.h"

#include <QDir>

QString AppSettings::inProgramFolder(const QString& name) const
{
    return QDir::toNativeSeparators(ProgramFolder + QLatin1Char('/') + name);
}
