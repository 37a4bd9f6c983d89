#pragma once

#include "Application.h"
#include "Clock.h"
#include "FakeSerialControl.h"
#include "MainShell.h"
#include "QtUserInterface.h"
#include "SettingsFile.h"
#include "TestFolder.h"
#include "UiTestEnv.h"

#include <QFileDialog>
#include <QMessageBox>

#include <memory>

#include <gtest/gtest.h>

// The program with its real pages, dispatcher and link over a scripted port,
// started from the bundled settings in a temporary program folder. Boxes are
// answered Yes; file dialogs take the paths in `fileAnswers`, one each.
class ScriptedProgram : public ::testing::Test
{
protected:
    // The bundled settings for a start-up that asks nothing of the device or the
    // user (no splash minimum, no boxes, no log file) and reads `startupFile`;
    // tests adjust the file before start().
    QString quietSettings(const QString& startupFile)
    {
        const QString ini = folder.write(QStringLiteral("ZEL308Tools.Ini"), UiTestEnv::bundledSettings());
        for (const char* key : {"ShowMsgBox", "WriteLogFile", "RequestStatus", "RequestData"})
            WriteSetting(ini, QStringLiteral("Main"), QString::fromLatin1(key), QStringLiteral("no"), false);
        WriteSetting(ini, QStringLiteral("Main"), QStringLiteral("Debug"), QStringLiteral("yes"), false);
        WriteSetting(ini, QStringLiteral("Main"), QStringLiteral("LoadAtStartup_Default"), startupFile, false);
        return ini;
    }

    void start()
    {
        identity.ProgramFolder = folder.path();
        identity.ProgramFileName = QStringLiteral("ZEL308Tools");
        ui.setBoxAnswer([](QMessageBox&) { return QMessageBox::Yes; });
        ui.setFileDialogAnswer(
            [this](QFileDialog&) { return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst(); });
        app = std::make_unique<Application>(identity, ui, clock, port, [](int) {});
        shell = std::make_unique<MainShell>(*app, ui);
        ASSERT_EQ(app->Start(*shell), 0);
    }

    TestFolder folder;
    AppSettings identity;
    SystemClock clock;
    QtUserInterface ui;
    FakeSerialControl port;
    std::unique_ptr<Application> app;
    std::unique_ptr<MainShell> shell;
    QStringList fileAnswers;
};
