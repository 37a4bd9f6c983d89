#pragma once

// Shared set-up of the link benchmarks: a link over a pseudo-terminal created by
// the device simulator, with a user interface that shows nothing.

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "Clock.h"
#include "MessageTexts.h"
#include "QtSerialControl.h"
#include "SerialLink.h"
#include "SettingsFile.h"
#include "NoWindows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

// Shows nothing; keeps the moment each status text was last shown.
class SilentUserInterface final : public NoWindows
{
public:
    QElapsedTimer clock;
    QHash<QString, qint64> shownAtNs;

    void setStatusLine(const QString&, const QString& text) override
    {
        if (clock.isValid())
            shownAtNs.insert(text, clock.nsecsElapsed());
    }
};

class LinkBench
{
public:
    // Starts the simulator with the arguments and opens the link to it; `timeOut`
    // in seconds, `interval` the receive timer in ms.
    LinkBench(const QStringList& simArguments, int timeOut, int interval)
    {
        settings.ProgramFolder = dir.path();
        settings.ProgramFileName = QStringLiteral("ZEL308Tools");
        settings.SettingsFile = dir.filePath(QStringLiteral("ZEL308Tools.Ini"));
        settings.ShowMsgBox = false;
        sim.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/devsim"));
        sim.setArguments(simArguments);
        sim.start();
        QString pty;
        while (sim.waitForReadyRead(5000)) {
            const QString line = QString::fromLocal8Bit(sim.readLine()).trimmed();
            if (line.contains(QLatin1String("] pty ")))
                pty = line.section(QLatin1Char(' '), -1);
            if (line.endsWith(QLatin1String("] ready")))
                break;
        }
        WriteSetting(settings.SettingsFile, QStringLiteral("PortNames"), QStringLiteral("COM2"), pty, false);
        WriteSetting(settings.SettingsFile, QStringLiteral("Comm"), QStringLiteral("TimeOut"),
                     QString::number(timeOut), false);
        WriteSetting(settings.SettingsFile, QStringLiteral("Comm"), QStringLiteral("TimerInterval"),
                     QString::number(interval), false);
        messages = std::make_unique<MessageTexts>(settings.SettingsFile, QStringLiteral("ENG"));
        log = std::make_unique<AppLog>(clock, dir.path(), settings.ProgramFileName, false);
        log->setToFileDisabled(true);
        ctx = std::make_unique<AppContext>(AppContext{settings, *messages, *log, ui, clock});
        port = std::make_unique<QtSerialControl>(settings.SettingsFile);
        link = std::make_unique<SerialLink>(*ctx, *port);
        ready = !pty.isEmpty() && link->ReadCommSettings() == 0 && link->OpenPort();
    }

    ~LinkBench()
    {
        link.reset();
        port.reset();
        sim.kill();
        sim.waitForFinished(3000);
    }

    static void runFor(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }

    QTemporaryDir dir;
    AppSettings settings;
    SystemClock clock;
    SilentUserInterface ui;
    QProcess sim;
    std::unique_ptr<MessageTexts> messages;
    std::unique_ptr<AppLog> log;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<QtSerialControl> port;
    std::unique_ptr<SerialLink> link;
    bool ready = false;
};

// A data frame of the default data set's length: start byte, 1956 digits, end byte.
inline QByteArray DefaultSizedDataFrame()
{
    QByteArray frame = QByteArray("\x85"
                                  "200201");
    while (frame.size() < 1957)
        frame.append(frame.size() % 7 == 0 ? '4' : '1');
    return frame + "\r";
}

#define ZEL_BENCH_MAIN()                                                                                     \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        QCoreApplication app(argc, argv);                                                                    \
        benchmark::Initialize(&argc, argv);                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                 \
        benchmark::Shutdown();                                                                               \
        return 0;                                                                                            \
    }
