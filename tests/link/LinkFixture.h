#pragma once

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "FakeClock.h"
#include "FakeSerialControl.h"
#include "FakeUserInterface.h"
#include "HeldBoxes.h"
#include "MessageTexts.h"
#include "RunEvents.h"
#include "SerialLink.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Log lines as the protocol window would get them.
class RecordingSink final : public TextSink
{
public:
    void appendLine(const QString& text, quint32) override { lines.append(text); }
    bool has(const QString& part) const
    {
        for (const QString& line : lines)
            if (line.contains(part))
                return true;
        return false;
    }
    int count(const QString& part) const
    {
        int n = 0;
        for (const QString& line : lines)
            n += line.contains(part) ? 1 : 0;
        return n;
    }
    QStringList lines;
};

// The run's parts around one link: a settings file in a temporary folder without
// message texts (so every message shows its key), a scripted user interface and
// a scripted port.
class LinkFixture : public ::testing::Test
{
protected:
    LinkFixture()
    {
        settings.ProgramFolder = folder.path();
        settings.ProgramFileName = QStringLiteral("ZEL308Tools");
        settings.SettingsFile = folder.write(QStringLiteral("ZEL308Tools.Ini"), "[Main]\r\n");
        settings.ShowMsgBox = false;
        messages = std::make_unique<MessageTexts>(settings.SettingsFile, QStringLiteral("GER"));
        log = std::make_unique<AppLog>(clock, folder.path(), settings.ProgramFileName, true);
        log->setToFileDisabled(true);
        log->setTextControl(&sink);
        ctx = std::make_unique<AppContext>(AppContext{settings, *messages, *log, boxes, clock});
        link = std::make_unique<SerialLink>(*ctx, port, &boxes);
        link->settings().TimeOut = 1;
        link->settings().TimerInterval = 20;
        port.applyFixedProperties();
        port.setPortOpen(true);
    }

    void writeComm(const QString& key, const QString& value)
    {
        WriteSetting(settings.SettingsFile, QStringLiteral("Comm"), key, value, false);
    }

    // A message text in the file; set before the key is first looked up.
    void setMessage(const QString& key, const QString& text)
    {
        WriteSetting(settings.SettingsFile, QStringLiteral("Messages_GER"), key, text, false);
    }

    static void runFor(int ms) { RunEventsFor(ms); }

    // Runs the action from the event loop; dropped when the test ends first.
    void later(int ms, std::function<void()> action) { QTimer::singleShot(ms, &m_timers, std::move(action)); }

    bool boxWith(const QString& key) const
    {
        for (const auto& box : ui.boxes)
            if (box.text.contains(key))
                return true;
        return false;
    }

    QObject m_timers;
    TestFolder folder;
    AppSettings settings;
    FakeClock clock;
    FakeUserInterface ui;
    HeldBoxes boxes{ui};
    RecordingSink sink;
    std::unique_ptr<MessageTexts> messages;
    std::unique_ptr<AppLog> log;
    std::unique_ptr<AppContext> ctx;
    FakeSerialControl port;
    std::unique_ptr<SerialLink> link;
};
