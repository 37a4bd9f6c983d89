#pragma once

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "FakeClock.h"
#include "FakeUserInterface.h"
#include "HeldBoxes.h"
#include "LinkFixture.h"
#include "MessageTexts.h"
#include "QtSerialControl.h"
#include "SerialLink.h"
#include "SettingsFile.h"
#include "SimulatorProcess.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <memory>

// The link over a real pseudo-terminal with the device simulator at its far end.
// Short time-out and receive interval keep the cases fast.
class SimulatorFixture : public ::testing::Test
{
protected:
    SimulatorFixture()
    {
        settings.ProgramFolder = folder.path();
        settings.ProgramFileName = QStringLiteral("ZEL308Tools");
        settings.SettingsFile = folder.write(QStringLiteral("ZEL308Tools.Ini"),
                                             "[Comm]\r\nPort=2\r\nTimeOut=1\r\nTimerInterval=50\r\n");
        settings.ShowMsgBox = false;
        messages = std::make_unique<MessageTexts>(settings.SettingsFile, QStringLiteral("GER"));
        log = std::make_unique<AppLog>(clock, folder.path(), settings.ProgramFileName, true);
        log->setToFileDisabled(true);
        log->setTextControl(&sink);
        ctx = std::make_unique<AppContext>(AppContext{settings, *messages, *log, boxes, clock});
        port = std::make_unique<QtSerialControl>(settings.SettingsFile);
        link = std::make_unique<SerialLink>(*ctx, *port, &boxes);
        QObject::connect(link.get(), &SerialLink::frameReceived,
                         [this](const QString& code, const QByteArray& frame) {
                             frames.append({code, frame});
                         });
    }

    // Starts the simulator behind port 2 (through a stable link name) and opens the port.
    void startDevice(const QStringList& arguments = {})
    {
        const QString name = folder.file(QStringLiteral("ttySIM"));
        ASSERT_TRUE(sim.start(QStringList{QStringLiteral("--link"), name} + arguments))
            << sim.error().toStdString();
        WriteSetting(settings.SettingsFile, QStringLiteral("PortNames"), QStringLiteral("COM2"), name, false);
        ASSERT_EQ(link->ReadCommSettings(), 0) << link->lastError().toStdString();
        ASSERT_TRUE(link->OpenPort())
            << (ui.boxes.isEmpty() ? std::string() : ui.boxes.last().text.toStdString());
    }

    // Sends a frame, waits for the answer and lets the receive timer hand it over.
    QByteArray exchange(const QByteArray& frame, const QString& answerCode)
    {
        const qsizetype before = frames.size();
        if (!link->TransmitData(frame) || !link->WaitForResponse(answerCode))
            return {};
        return nextFrame(before);
    }

    // The first frame handed over after `before` frames, within a second.
    QByteArray nextFrame(qsizetype before, int ms = 1000)
    {
        QElapsedTimer t;
        t.start();
        while (frames.size() <= before && t.elapsed() < ms)
            RunEventsFor(10);
        return frames.size() > before ? frames.at(before).second : QByteArray();
    }

    TestFolder folder;
    AppSettings settings;
    FakeClock clock;
    FakeUserInterface ui;
    HeldBoxes boxes{ui};
    RecordingSink sink;
    std::unique_ptr<MessageTexts> messages;
    std::unique_ptr<AppLog> log;
    std::unique_ptr<AppContext> ctx;
    SimulatorProcess sim;
    std::unique_ptr<QtSerialControl> port;
    std::unique_ptr<SerialLink> link;
    QList<QPair<QString, QByteArray>> frames;
};
