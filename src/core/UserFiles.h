#pragma once

#include <QString>

struct AppSettings;

// An installed copy of the program lives in a folder its users cannot write to.
// Its settings, log and data files then live in the user's configuration folder
// instead, where the settings file starts as a copy of the installed one and
// takes over what a later installed version adds. A writable program folder
// keeps every file beside the program.

// True when a new file can be created in the folder (tried, not guessed from the
// permission bits: a read-only mount or an immutable folder refuses as well).
bool FolderAcceptsNewFiles(const QString& folder);

// The configuration folder of the editor for this user (~/.config/ZEL308Tools
// on Linux), the same for every program of the package.
QString UserConfigFolder();

enum class UserSettingsUpdate
{
    Unchanged, // the user's copy already holds what the installed file offers
    Seeded,    // first start: the user's copy is the installed file
    Merged,    // the installed file changed: its news went into the user's copy
    NoInstalledFile,
    Failed
};

// Brings the user's settings file up to date with the installed one. Beside the
// user's copy a "<name>.installed" file keeps the installed file as last taken
// over, so a key the user changed or removed stays as the user left it, a key the
// user never touched follows a changed installed value, and a key new in the
// installed file is added. Without that file every key the copy lacks is added.
// Every file is replaced in one step. On failure `error` says why.
UserSettingsUpdate UpdateUserSettings(const QString& installedFile, const QString& userFile,
                                      QString* error = nullptr);

// The folder for the files that go with the settings file `settingsName`: the
// program folder when it accepts new files, otherwise `userFolder` (created when
// missing) with that settings file brought up to date there. When the user's
// folder cannot be prepared the program folder stays in use and `error` says why.
QString FilesFolderFor(const QString& programFolder, const QString& settingsName, const QString& userFolder,
                       QString* error = nullptr);

// Sets FilesFolder by FilesFolderFor for the settings file of the run's model.
// Needs ProgramFolder, ProgramFileName, CommandLine and DeviceModel.
void ChooseFilesFolder(AppSettings& settings, const QString& userFolder, QString* error = nullptr);

// The log line that says where the files of a run live, or "" when they are
// beside the program.
QString FilesFolderLogText(const AppSettings& settings);
