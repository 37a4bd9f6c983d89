#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The application-wide values set at start-up, read by every library.
// Names follow the settings keys they come from.
struct AppSettings
{
    // Where the program runs and what it is called.
    QString ProgramFolder;   // folder of the running executable, no trailing separator
    // Folder of the settings, log and data files: the program folder, or the user's
    // configuration folder when the program folder is read-only (UserFiles.h).
    // Empty means the program folder.
    QString FilesFolder;
    QString ProgramFileName; // executable name without extension ("ZEL308Tools")
    QString CommandLine;     // the command line after the program name, joined by blanks
    QString DeviceModel = QStringLiteral("ZEL308");
    QString AppTitle;
    QString FileDescription;
    QString ProductName;
    int VersionMajor = 1;
    int VersionMinor = 0;
    int VersionRevision = 0;

    // Derived file names.
    QString BaseName;
    QString SettingsFile;
    QString LogFileName;
    QString DefaultDataFile;
    QString DefaultHexFile;

    QString Language = QStringLiteral("GER");

    bool WriteLogFile = true;
    bool LogHexData = false;
    bool ShowMsgBox = true;
    bool RequestData = true;
    bool Debug = false;
    bool SaveLoadEnabled = true;
    bool SystemResetEnabled = false;
    bool VersionInfoEnabled = false;
    bool OnlineTestEnabled = false;
    bool ShowProtocolEnabled = false;
    bool RequestStatus = true;
    QString LoadAtStartup_Default; // full path, or empty for none

    qint16 Layer_NumFaders = 16;
    qint16 GPIO_Options_Mode = 1;
    qint16 TextLenInput = 8;
    std::array<qint16, 5> CountInput{12, 4, 4, 4, 8};
    std::array<qint16, 5> CountOutput{4, 4, 4, 4, 4};

    bool ShowTabStrip_System = false;
    bool ShowTabStrip_ESAM = false;
    bool ShowTabStrip_FBOX = false;
    bool ShowTabStrip_Monitor = false;
    bool ShowTabStrip_IO_Opt = false;
    bool RestoreLastPosition = true;

    bool ThemeActive = false;
    QString NotDefinedText = QStringLiteral("NotDefined");
    QString ReadyText = QStringLiteral("Ready");
    qint16 MaxMainHeight = 10770;
    bool InitDone = false;

    bool isGerman() const { return Language == QLatin1String("GER"); }
    // Title of error boxes: the program's file name.
    QString boxTitle() const { return ProgramFileName; }
    // "<folder>/<name>" with the platform's separator.
    QString inProgramFolder(const QString& name) const;
    QString filesFolder() const { return FilesFolder.isEmpty() ? ProgramFolder : FilesFolder; }
    QString inFilesFolder(const QString& name) const;
};

// The device models this program serves, in the order their detection tries them.
const QStringList& DeviceModelNames();
