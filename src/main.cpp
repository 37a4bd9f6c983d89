#include "AppSettings.h"
#include "Application.h"
#include "Clock.h"
#include "DeviceModel.h"
#include "MainShell.h"
#include "MainWindow.h"
#include "QtSerialControl.h"
#include "QtUserInterface.h"
#include "StartupSettings.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdlib>

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
    DeriveFileNames(names, QDate::currentDate());
    QtSerialControl port(names.SettingsFile);

    SystemClock clock;
    QtUserInterface ui;
    // The end procedure ends the process at once, from wherever it runs.
    Application app(identity, ui, clock, port, [](int exitStatus) { std::exit(exitStatus); });
    MainShell shell(app, ui);
    // For `make run` on a machine without a display: save a picture of the
    // main window once start-up has settled (boxes it shows included), then end
    // as the close button would.
    const QString screenshot = qEnvironmentVariable("ZEL308TOOLS_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(9000, [&] {
            if (shell.mainWindow())
                shell.mainWindow()->grab().save(screenshot);
            app.EndProgram(false);
        });
    }
    if (app.Start(shell) != 0)
        return 1;
    return qtApp.exec();
}
