#pragma once

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "DataContext.h"
#include "FakeClock.h"
#include "FakeUserInterface.h"
#include "MessageTexts.h"
#include "TestFolder.h"

#include <QStringList>

// Collects what the log shows on screen.
class LogCapture : public TextSink
{
public:
    void appendLine(const QString& text, quint32) override { lines.append(text); }
    QStringList lines;
};

// A data context over a real settings file in a temporary folder, a scripted
// user interface and a log that writes to screen only. `mainExtra` adds lines to
// section "Main", `sections` adds whole sections.
class DataBench
{
public:
    explicit DataBench(const QString& mainExtra = {}, const QString& sections = {});

    // Log lines whose text ends with `text` (the stamp comes first).
    int loggedCount(const QString& text) const;
    bool logged(const QString& text) const { return loggedCount(text) > 0; }
    // A folder inside the test folder.
    QString subFolder(const QString& name) const;

    TestFolder folder;
    FakeClock clock;
    FakeUserInterface ui;
    LogCapture screen;
    AppSettings settings;
    MessageTexts messages;
    AppLog log;
    ConfigurationData data;
    AppContext app;
    DataContext ctx;
};

// A data set with distinct values in every group.
DataSet FilledDataSet();

// The message texts of the bench's settings file.
namespace BenchText {
inline const QString WriteToDiskErr = QStringLiteral("Fehler <&> beim Schreiben von <&>");
inline const QString ReadFromDiskErr = QStringLiteral("Fehler <&> beim Lesen von <&>");
} // namespace BenchText
