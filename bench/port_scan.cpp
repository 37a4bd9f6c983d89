// The port scan of the port settings dialog: how long trying ports 1 ... 16
// takes, and how long the window's thread goes without serving its events while
// the scan runs (on the scanner's thread, against running it on the window's).
//
// Two mappings: the system's own devices ("/dev/ttyS0" ... on Linux), and a
// settings file that maps 14 ports to missing devices, one to a free and one to
// a held pseudo-terminal.

#include "PortScanner.h"
#include "QtSerialControl.h"
#include "SettingsFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>

namespace {

// A pseudo-terminal whose slave side the scan opens.
struct Pty
{
    Pty()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            slave = QString::fromLocal8Bit(::ptsname(master));
    }
    ~Pty()
    {
        if (master >= 0)
            ::close(master);
    }
    int master = -1;
    QString slave;
};

struct Mapped
{
    Mapped()
    {
        file = dir.filePath(QStringLiteral("ZEL308Tools.Ini"));
        for (int n = 1; n <= 16; ++n)
            WriteSetting(file, QStringLiteral("PortNames"), QStringLiteral("COM%1").arg(n),
                         dir.filePath(QStringLiteral("none%1").arg(n)), false);
        WriteSetting(file, QStringLiteral("PortNames"), QStringLiteral("COM2"), freeLine.slave, false);
        WriteSetting(file, QStringLiteral("PortNames"), QStringLiteral("COM3"), heldLine.slave, false);
        otherProgram.setPortName(heldLine.slave);
        otherProgram.open(QIODevice::ReadWrite);
    }
    QTemporaryDir dir;
    QString file;
    Pty freeLine;
    Pty heldLine;
    QSerialPort otherProgram;
};

PortFactory factoryFor(const QString& settingsFile)
{
    return [settingsFile] { return std::make_unique<QtSerialControl>(settingsFile); };
}

// Longest gap between two ticks of a 1 ms timer on this thread while `run` goes on.
template <typename Run> double longestStallMs(Run run)
{
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTick.nsecsElapsed());
        sinceTick.restart();
    });
    tick.start(1);
    sinceTick.start();
    run();
    longest = std::max(longest, sinceTick.nsecsElapsed());
    return double(longest) / 1e6;
}

void scanOnScannerThread(benchmark::State& state, const QString& settingsFile)
{
    int found = 0;
    double longest = 0;
    double totalScanMs = 0;
    for (auto _ : state) {
        PortScanner scanner(factoryFor(settingsFile));
        QEventLoop loop;
        QObject::connect(&scanner, &PortScanner::finished, &loop, &QEventLoop::quit);
        QElapsedTimer wall;
        wall.start();
        const double stall = longestStallMs([&] {
            scanner.start(QStringLiteral("19200,N,8,1"), PortRange(1, 16));
            loop.exec();
        });
        totalScanMs += double(wall.nsecsElapsed()) / 1e6;
        longest = std::max(longest, stall);
        found = 0;
        for (const PortProbe& probe : scanner.probes())
            found += probe.result.error != PortNotFound ? 1 : 0;
    }
    state.counters["listed_or_failed"] = found;
    state.counters["mean_scan_ms"] = totalScanMs / double(state.iterations());
    state.counters["max_window_stall_ms"] = longest;
}

void scanOnWindowThread(benchmark::State& state, const QString& settingsFile)
{
    double longest = 0;
    for (auto _ : state) {
        longest =
            std::max(longest, longestStallMs([&] {
                         benchmark::DoNotOptimize(ProbePorts(
                             factoryFor(settingsFile), QStringLiteral("19200,N,8,1"), PortRange(1, 16)));
                         QCoreApplication::processEvents();
                     }));
    }
    state.counters["max_window_stall_ms"] = longest;
}

// What the timer sees on a thread doing nothing else, as a yardstick for the figures above.
void BM_IdleEventLoopFor100ms(benchmark::State& state)
{
    double longest = 0;
    for (auto _ : state) {
        longest = std::max(longest, longestStallMs([] {
                               QEventLoop loop;
                               QTimer::singleShot(100, &loop, &QEventLoop::quit);
                               loop.exec();
                           }));
    }
    state.counters["max_window_stall_ms"] = longest;
}

void BM_ScanSystemPortsOnScannerThread(benchmark::State& state)
{
    QTemporaryDir dir;
    scanOnScannerThread(state, dir.filePath(QStringLiteral("none.Ini")));
}

void BM_ScanSystemPortsOnWindowThread(benchmark::State& state)
{
    QTemporaryDir dir;
    scanOnWindowThread(state, dir.filePath(QStringLiteral("none.Ini")));
}

void BM_ScanMappedPortsOnScannerThread(benchmark::State& state)
{
    Mapped mapped;
    scanOnScannerThread(state, mapped.file);
}

void BM_ScanMappedPortsOnWindowThread(benchmark::State& state)
{
    Mapped mapped;
    scanOnWindowThread(state, mapped.file);
}

BENCHMARK(BM_IdleEventLoopFor100ms)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanSystemPortsOnScannerThread)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanSystemPortsOnWindowThread)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanMappedPortsOnScannerThread)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanMappedPortsOnWindowThread)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
