#pragma once

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "DataSet.h"
#include "FakeClock.h"
#include "FakeUserInterface.h"
#include "MessageTexts.h"
#include "StartupSettings.h"
#include "TestFolder.h"
#include "pages/PageContext.h"

#include <QByteArray>
#include <QFile>

#include <memory>

// A settings file in a temporary folder with the run's settings and texts read
// from it, and a run context (scripted user interface, fake clock, a log that
// writes no file) for the parts that report through it.
struct UiTestEnv
{
    explicit UiTestEnv(const QByteArray& ini = {}, const QString& language = QStringLiteral("GER"))
    {
        settings.Language = language;
        settings.SettingsFile = folder.write(QStringLiteral("ZEL308Tools.Ini"), ini);
        settings.ProgramFileName = QStringLiteral("ZEL308Tools");
        messages = std::make_unique<MessageTexts>(settings.SettingsFile, settings.Language);
        pages = std::make_unique<PageContext>(settings, *messages, data);
        log = std::make_unique<AppLog>(clock, folder.path(), settings.ProgramFileName, true);
        log->setToFileDisabled(true);
        app = std::make_unique<AppContext>(AppContext{settings, *messages, *log, ui, clock});
    }

    // The settings file the program ships with.
    static QByteArray bundledSettings()
    {
        QFile file(QStringLiteral(ZEL_SOURCE_DIR "/resources/ZEL308Tools.Ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A settings file as the build puts it beside the program ("ZEL308Tools.Ini",
    // "ZEL312sTools.Ini").
    static QByteArray shippedSettings(const QString& fileName)
    {
        QFile file(QStringLiteral(ZEL_BIN_DIR "/") + fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Reads section "Main" and the counts as start-up does; 0 or the failing step.
    int readStartupSettings()
    {
        settings.ProgramFolder = folder.path();
        return ReadMainSettings(settings);
    }

    TestFolder folder;
    AppSettings settings;
    std::unique_ptr<MessageTexts> messages;
    ConfigurationData data;
    std::unique_ptr<PageContext> pages;
    FakeClock clock;
    FakeUserInterface ui;
    std::unique_ptr<AppLog> log;
    std::unique_ptr<AppContext> app;
};
