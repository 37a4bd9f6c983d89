#pragma once

// What every fuzz target needs to run an operation of the program: the run's
// shared parts with a user interface that shows nothing and answers file
// dialogs with a path given beforehand, and a clock that stands still.

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "Clock.h"
#include "MessageTexts.h"
#include "UserInterface.h"

#include <QDir>
#include <QTemporaryDir>

class QuietUserInterface final : public UserInterface
{
public:
    void messageBox(MessageIcon, const QString&, const QString&) override { ++boxes; }
    bool askYesNo(MessageIcon, const QString&, const QString&) override { return answerYes; }
    QString mainWindowCaption() const override { return {}; }
    void setStatusLine(const QString&, const QString&) override {}
    void setBusy(bool) override {}
    void focusTabStrip() override {}
    QString saveFileDialog(const FileDialogRequest&) override { return chosenPath; }
    QString openFileDialog(const FileDialogRequest&) override { return chosenPath; }
    void pagesToDataSet() override {}
    bool dataSetToPages() override { return true; }
    void showTransferDialog(const QString&, std::function<void()>) override {}
    void hideTransferDialog() override {}

    QString chosenPath;
    bool answerYes = false;
    int boxes = 0;
};

class NullClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 1, 1), QTime(0, 0)); }
    qint64 tickMs() const override { return 0; }
};

// Texts come from a settings file that does not exist (each shows its key); the
// log writes nowhere. Files the target needs go into `folder`, in memory when
// the system offers a folder there.
struct FuzzRun
{
    FuzzRun()
        : folder(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/zelfuzz-XXXXXX") : QString()),
          messages(QStringLiteral("/nonexistent/fuzz.Ini"), QStringLiteral("GER")), log(clock, {}, {}, true),
          app{settings, messages, log, ui, clock}
    {
        log.setToFileDisabled(true);
        log.setToScreenDisabled(true);
    }
    QString file(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    NullClock clock;
    AppSettings settings;
    MessageTexts messages;
    AppLog log;
    QuietUserInterface ui;
    AppContext app;
};
