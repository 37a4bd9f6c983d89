#include "UserFiles.h"

#include "AppSettings.h"
#include "ProfileCache.h"
#include "ProfileFile.h"
#include "SafeFile.h"
#include "StartupSettings.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <optional>

namespace {

const QString kInstalledSuffix = QStringLiteral(".installed");

std::optional<QByteArray> readAll(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes, QString* error)
{
    QString reason;
    if (WriteFileAtomically(path, bytes, &reason)) {
        SharedProfileCache().forget(path);
        return true;
    }
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, reason);
    return false;
}

// What the user has is kept; what the user left as installed follows the new
// installed value; what is new in the installed file is added. `previous` is the
// installed file as last taken over, when known.
bool mergeInto(ProfileFile& user, const ProfileFile& installed, const std::optional<ProfileFile>& previous)
{
    bool changed = false;
    for (const QString& section : installed.sections()) {
        QList<std::pair<QString, QString>> added;
        for (const QString& key : installed.keys(section)) {
            const QString offered = *installed.value(section, key);
            const std::optional<QString> mine = user.value(section, key);
            const std::optional<QString> before = previous ? previous->value(section, key) : std::nullopt;
            if (!mine && !before)
                added.append({key, offered});
            else if (mine && before && *mine == *before &&
                     user.setValue(section, key, offered) == ProfileFile::Change::Done)
                changed = true;
        }
        if (user.addKeys(section, added) == ProfileFile::Change::Done)
            changed = true;
    }
    return changed;
}

} // namespace

bool FolderAcceptsNewFiles(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

QString UserConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ZEL308Tools");
}

UserSettingsUpdate UpdateUserSettings(const QString& installedFile, const QString& userFile, QString* error)
{
    if (!QFile::exists(installedFile))
        return UserSettingsUpdate::NoInstalledFile;
    const std::optional<QByteArray> installed = readAll(installedFile, error);
    if (!installed)
        return UserSettingsUpdate::Failed;
    const QString takenOverFile = userFile + kInstalledSuffix;

    if (!QFile::exists(userFile)) {
        return writeAll(userFile, *installed, error) && writeAll(takenOverFile, *installed, error)
                   ? UserSettingsUpdate::Seeded
                   : UserSettingsUpdate::Failed;
    }
    std::optional<ProfileFile> previous;
    if (QFile::exists(takenOverFile)) {
        const std::optional<QByteArray> bytes = readAll(takenOverFile, error);
        if (!bytes)
            return UserSettingsUpdate::Failed;
        if (*bytes == *installed)
            return UserSettingsUpdate::Unchanged;
        previous = ProfileFile::parse(*bytes);
    }
    const std::optional<QByteArray> mine = readAll(userFile, error);
    if (!mine)
        return UserSettingsUpdate::Failed;
    ProfileFile user = ProfileFile::parse(*mine);
    if (mergeInto(user, ProfileFile::parse(*installed), previous) && !writeAll(userFile, user.bytes(), error))
        return UserSettingsUpdate::Failed;
    // Written last: an interrupted merge is simply done again at the next start.
    if (!writeAll(takenOverFile, *installed, error))
        return UserSettingsUpdate::Failed;
    return UserSettingsUpdate::Merged;
}

QString FilesFolderFor(const QString& programFolder, const QString& settingsName, const QString& userFolder,
                       QString* error)
{
    if (FolderAcceptsNewFiles(programFolder))
        return programFolder;
    if (!QDir().mkpath(userFolder)) {
        if (error)
            *error = QStringLiteral("%1: the folder cannot be created").arg(userFolder);
        return programFolder;
    }
    const UserSettingsUpdate result = UpdateUserSettings(programFolder + QLatin1Char('/') + settingsName,
                                                         userFolder + QLatin1Char('/') + settingsName, error);
    return result == UserSettingsUpdate::Failed ? programFolder : QDir::cleanPath(userFolder);
}

void ChooseFilesFolder(AppSettings& settings, const QString& userFolder, QString* error)
{
    AppSettings names = settings;
    names.FilesFolder.clear();
    DeriveFileNames(names, QDate::currentDate());
    settings.FilesFolder =
        FilesFolderFor(settings.ProgramFolder, names.BaseName + QStringLiteral(".Ini"), userFolder, error);
}

QString FilesFolderLogText(const AppSettings& settings)
{
    if (settings.filesFolder() == settings.ProgramFolder)
        return {};
    const QString folder = QDir::toNativeSeparators(settings.FilesFolder);
    return settings.isGerman() ? QStringLiteral("Einstellungen, Log und Datendateien liegen in ") + folder
                               : QStringLiteral("Settings, log and data files are kept in ") + folder;
}
