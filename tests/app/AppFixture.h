#pragma once

#include "AppLog.h"
#include "Application.h"
#include "FakeAppWindows.h"
#include "FakeClock.h"
#include "FakeSerialControl.h"
#include "FakeUserInterface.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <memory>

// A program folder with a settings file, the scripted user interface and
// windows, and the scripted port; `start()` runs the real start procedure.
class AppFixture : public ::testing::Test
{
protected:
    AppFixture()
    {
        identity.ProgramFolder = folder.path();
        identity.ProgramFileName = QStringLiteral("ZEL308Tools");
        ini = folder.file(QStringLiteral("ZEL308Tools.Ini"));
        // No message sections: every text shows its key, which the tests look for.
        folder.write(QStringLiteral("ZEL308Tools.Ini"),
                     "[Main]\r\nLanguage=GER\r\nLoadAtStartup_Default=*NONE*\r\nDebug=yes\r\n"
                     "RequestStatus=no\r\nRequestData=no\r\n[Comm]\r\nPort=1\r\nTimeOut=1\r\n"
                     "TimerInterval=20\r\n");
        port.drainMs = 1;
    }

    void set(const QString& section, const QString& key, const QString& value)
    {
        WriteSetting(ini, section, key, value, false);
    }

    int start()
    {
        app = std::make_unique<Application>(identity, ui, clock, port, [this](int status) {
            ++terminated;
            exitStatus = status;
        });
        return app->Start(windows);
    }

    bool logged(const QString& text) const
    {
        for (const QString& line : windows.protocol)
            if (line.contains(text))
                return true;
        return false;
    }

    TestFolder folder;
    QString ini;
    AppSettings identity;
    FakeUserInterface ui;
    FakeClock clock;
    FakeSerialControl port;
    FakeAppWindows windows;
    std::unique_ptr<Application> app;
    int terminated = 0;
    int exitStatus = -1;
};
