#include "AppSettings.h"
#include "Application.h"
#include "Clock.h"
#include "DeviceModel.h"
#include "MainShell.h"
#include "MainWindow.h"
#include "QtSerialControl.h"
#include "QtUserInterface.h"
#include "StartupSettings.h"
#include "UserFiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include <cstdlib>
#include <functional>

namespace {
constexpr int kFileWriteCommand = 2;
}

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);

    AppSettings identity;
    const QFileInfo program(QCoreApplication::applicationFilePath());
    identity.ProgramFolder = program.absolutePath();
    identity.ProgramFileName = program.completeBaseName();
    identity.CommandLine = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    identity.VersionMajor = ZEL_VERSION_MAJOR;
    identity.VersionMinor = ZEL_VERSION_MINOR;
    identity.VersionRevision = ZEL_VERSION_PATCH;

    // The port maps its number to a device through the settings file, so it
    // needs the file's name before start-up derives the rest.
    AppSettings names = identity;
    ApplyDeviceModel(names);
    // An installed copy cannot write beside itself: the user's own settings, log
    // and data files are then kept in the user's configuration folder.
    QString filesError;
    ChooseFilesFolder(names, UserConfigFolder(), &filesError);
    if (!filesError.isEmpty())
        qWarning("%s", qPrintable(filesError));
    identity.FilesFolder = names.FilesFolder;
    DeriveFileNames(names, QDate::currentDate());
    QtSerialControl port(names.SettingsFile);

    SystemClock clock;
    QtUserInterface ui;
    // The end procedure ends the process at once, from wherever it runs.
    Application app(identity, ui, clock, port, [](int exitStatus) { std::exit(exitStatus); });
    MainShell shell(app, ui);
    // For `make run` on a machine without a display: save a picture of the
    // main window once start-up has settled (boxes it shows included), then end
    // as the close button would. With ZEL308TOOLS_SAVE_DATA the session saves
    // the data set first, through the file-write command with the save dialog
    // answered by that file name in the folder the dialog proposes.
    const QString screenshot = qEnvironmentVariable("ZEL308TOOLS_SCREENSHOT");
    const QString saveAs = qEnvironmentVariable("ZEL308TOOLS_SAVE_DATA");
    std::function<void()> endSession = [&] {
        // The save waits for the end of start-up (a box left open keeps it waiting).
        if (!saveAs.isEmpty() && !app.started()) {
            QTimer::singleShot(500, endSession);
            return;
        }
        if (shell.mainWindow())
            shell.mainWindow()->grab().save(screenshot);
        if (!saveAs.isEmpty()) {
            ui.setFileDialogAnswer([&](QFileDialog& dialog) { return dialog.directory().filePath(saveAs); });
            app.InterpretMenuCommand(kFileWriteCommand);
        }
        app.EndProgram(false);
    };
    if (!screenshot.isEmpty())
        QTimer::singleShot(9000, endSession);
    if (app.Start(shell) != 0)
        return 1;
    return qtApp.exec();
}
