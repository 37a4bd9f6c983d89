#include "ConfigPaths.h"

#include "AppSettings.h"
#include "TrimRight.h"

#include <QDir>

namespace {

constexpr int PathFieldLength = 255;

bool hasDriveLetter(const QString& path)
{
    return path.size() >= 2 && path.at(0).isLetter() && path.at(1) == QLatin1Char(':');
}

} // namespace

QString StoredConfigPath(const AppSettings& settings, const QString& shown)
{
    const QString path = TrimRight(shown);
    const QString bare = path.trimmed();
    if (bare.isEmpty() || hasDriveLetter(bare) || QDir::isAbsolutePath(bare))
        return path.left(PathFieldLength);
    return settings.inFilesFolder(path).left(PathFieldLength);
}

QString ShownConfigPath(const AppSettings& settings, const QString& stored)
{
    const QString path = TrimRight(stored.left(stored.indexOf(QChar(0))));
    if (settings.filesFolder().isEmpty())
        return path;
    const QString folder = settings.inFilesFolder(QString());
    if (path.startsWith(folder, Qt::CaseInsensitive))
        return path.mid(folder.size());
    return path;
}

QString ConfigFieldPath(const FixedText<255>& field)
{
    QString path = field.text();
    const qsizetype nul = path.indexOf(QChar(0));
    if (nul >= 0)
        path.truncate(nul);
    return path.trimmed();
}
