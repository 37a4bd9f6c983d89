// A tab click on the largest settings: the editor copies every page into the
// data set, checks the blank names and copies the data set back into every
// page. Measured on the whole program as main() puts it together (offscreen,
// the port at a pseudo-terminal nobody answers), once through the tab strip
// and once as the two copies alone; the first click, which builds the pages
// start-up left for later, separately. Prints the median and the slowest switch
// against the 10 ms a click may take.
//   bench_tab_switch [rounds=20]

#include "Application.h"
#include "BenchSettings.h"
#include "Clock.h"
#include "MainShell.h"
#include "MainWindow.h"
#include "PseudoTerminal.h"
#include "QtSerialControl.h"
#include "QtUserInterface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr double kTargetMs = 10.0;

template <typename Step>
std::vector<double> timed(int count, Step step)
{
    std::vector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        clock.start();
        step(i);
        ms.push_back(clock.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

void report(const char* what, const std::vector<double>& ms)
{
    const double median = ms[ms.size() / 2];
    std::printf("  %-34s median %6.2f ms, slowest %6.2f ms: %.0f %% of the %.0f ms target\n", what, median,
                ms.back(), 100 * median / kTargetMs, kTargetMs);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    PseudoTerminal terminal;
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("ZEL308Tools.Ini"));
    if (!terminal.ok() || !BenchSettings::write(ini, BenchSettings::Size::Largest, terminal.device, false)) {
        std::fprintf(stderr, "cannot prepare the program folder\n");
        return 1;
    }
    AppSettings identity;
    identity.ProgramFolder = folder.path();
    identity.ProgramFileName = QStringLiteral("ZEL308Tools");
    QtSerialControl port(ini);
    SystemClock clock;
    QtUserInterface ui;
    bool ended = false;
    Application app(identity, ui, clock, port, [&ended](int) { ended = true; });
    MainShell shell(app, ui);
    if (app.Start(shell) != 0 || ended) {
        std::fprintf(stderr, "start-up failed\n");
        return 1;
    }
    QTabBar* tabs = shell.mainWindow()->tabStrip();
    const int count = tabs->count();
    std::printf("Tab switch on the largest settings (%d tabs, %d switches each)\n", count, rounds * count);
    // Start-up builds the shown page only; a click before the rest were built from
    // the event loop builds them all, as the copy into the data set needs them.
    report("first click, pages not built yet", timed(1, [tabs, count](int) { tabs->setCurrentIndex(1 % count); }));
    report("tab click", timed(rounds * count, [tabs, count](int i) { tabs->setCurrentIndex((i + 1) % count); }));
    report("pages to data set and back", timed(rounds * count, [&ui](int) {
               ui.pagesToDataSet();
               ui.dataSetToPages();
           }));
    app.EndProgram(false);
    return 0;
}
