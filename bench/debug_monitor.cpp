// The link debug monitor under received noise without line breaks (level 2,
// every byte discarded before a frame start): time and memory for 0.5, 1 and
// 2 MB handed over in the 512-byte pieces a serial read brings. The time per
// byte should stay the same however much has gone before, and the memory
// should not grow with the amount.

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "Clock.h"
#include "CommDebugWindow.h"
#include "MessageTexts.h"
#include "QtSerialControl.h"
#include "SerialLink.h"
#include "NoWindows.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <fstream>
#include <memory>

namespace {

double residentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Printable characters without a start byte or a line end, as a device at the
// wrong baud rate or a terminal program on the line would send.
QByteArray noise(qsizetype size)
{
    QByteArray bytes(size, ' ');
    quint32 state = 2166136261u;
    for (qsizetype i = 0; i < size; ++i) {
        state = state * 16777619u + 1013904223u;
        bytes[i] = char(33 + (state >> 24) % 94);
    }
    return bytes;
}

void BM_NoiseIntoMonitor(benchmark::State& state)
{
    constexpr qsizetype Piece = 512;
    const qsizetype total = state.range(0) * 1024;
    const QByteArray bytes = noise(total);

    QTemporaryDir dir;
    AppSettings settings;
    settings.ProgramFolder = dir.path();
    settings.ProgramFileName = QStringLiteral("ZEL308Tools");
    settings.SettingsFile = dir.filePath(QStringLiteral("ZEL308Tools.Ini"));
    SystemClock clock;
    NoWindows ui;
    MessageTexts messages(settings.SettingsFile, QStringLiteral("ENG"));
    AppLog log(clock, dir.path(), settings.ProgramFileName, false);
    log.setToFileDisabled(true);
    AppContext ctx{settings, messages, log, ui, clock};
    QtSerialControl port(settings.SettingsFile);
    SerialLink link(ctx, port);
    link.setDebugLevel(2);

    double grownMb = 0;
    qsizetype keptHex = 0;
    for (auto _ : state) {
        CommDebugWindow window(link, settings.SettingsFile);
        window.show();
        QApplication::processEvents();
        const double before = residentMegabytes();
        for (qsizetype at = 0; at < total; at += Piece)
            link.showInDebugMonitor(bytes.mid(at, Piece), false);
        QApplication::processEvents(); // the views lay out what they hold
        grownMb = residentMegabytes() - before;
        keptHex = window.hexView()->toPlainText().size();
    }
    state.SetBytesProcessed(state.iterations() * total);
    state.counters["rss_growth_MB"] = grownMb;
    state.counters["hex_view_chars"] = double(keptHex);
}
BENCHMARK(BM_NoiseIntoMonitor)->Arg(512)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
