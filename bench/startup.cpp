// Start-up of the editor beside a bare Qt Widgets window with ten tabs, each
// started as a program of its own in the same run, one after the other. The
// time runs from just before the program is started to the first byte it sends
// on its port: the editor's version query, the last step of its start-up
// before "Ready" (with "Debug" on: no splash minimum); the bare window sends its
// byte once its event loop runs. Peak memory is the program's largest resident
// set. Prints the median of the runs and the ratio to the bare window.
//   bench_startup [runs=7] [editor program=the one built beside this]
// The programs run on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "BenchSettings.h"
#include "PseudoTerminal.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <poll.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Sample
{
    double ms = -1;
    double peakMb = 0;
};

// Starts `program` and waits (at most 20 s) for its first byte on the terminal.
Sample measure(const QByteArray& program, const QByteArrayList& arguments, const PseudoTerminal& terminal)
{
    const int flags = fcntl(terminal.master, F_GETFL);
    fcntl(terminal.master, F_SETFL, flags | O_NONBLOCK);
    terminal.drain();
    std::vector<char*> argv{const_cast<char*>(program.constData())};
    for (const QByteArray& a : arguments)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);

    Sample sample;
    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        ::close(terminal.master);
        ::close(terminal.slave);
        // Qt's warnings of the offscreen platform would only clutter the figures.
        const int quiet = ::open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    pollfd wait{terminal.master, POLLIN, 0};
    while (nowMs() - start < 20000) {
        if (poll(&wait, 1, 20) > 0 && (wait.revents & POLLIN)) {
            sample.ms = nowMs() - start;
            break;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "%s ended before sending anything\n", program.constData());
            return sample;
        }
    }
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    sample.peakMb = usage.ru_maxrss / 1024.0;
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    PseudoTerminal terminal;
    QTemporaryDir folders[2];
    if (!terminal.ok() || !folders[0].isValid() || !folders[1].isValid()) {
        std::fprintf(stderr, "no pseudo-terminal or temporary folder\n");
        return 1;
    }
    // The editor takes its settings file from its own folder: one copy of the
    // program per settings file.
    const BenchSettings::Size sizes[2] = {BenchSettings::Size::Bundled, BenchSettings::Size::Largest};
    QByteArray editors[2];
    for (int i = 0; i < 2; ++i) {
        const QString editor = folders[i].filePath(QStringLiteral("ZEL308Tools"));
        if (!QFile::copy(argc > 2 ? QFile::decodeName(argv[2]) : QStringLiteral(ZEL_BIN_DIR "/ZEL308Tools"), editor) ||
            !BenchSettings::write(folders[i].filePath(QStringLiteral("ZEL308Tools.Ini")), sizes[i], terminal.device,
                                  true)) {
            std::fprintf(stderr, "cannot prepare the program folder\n");
            return 1;
        }
        editors[i] = QFile::encodeName(editor);
    }
    const QByteArray bare = ZEL_BIN_DIR "/bare_tab_window";

    std::vector<double> ms[3];
    std::vector<double> mb[3];
    for (int run = 0; run < runs; ++run) {
        const Sample samples[3] = {measure(bare, {QFile::encodeName(terminal.device)}, terminal),
                                   measure(editors[0], {}, terminal), measure(editors[1], {}, terminal)};
        for (int i = 0; i < 3; ++i) {
            if (samples[i].ms < 0)
                return 1;
            ms[i].push_back(samples[i].ms);
            mb[i].push_back(samples[i].peakMb);
        }
    }
    std::printf("Start-up to the first byte on the port, median of %d runs (%s platform)\n", runs,
                qgetenv("QT_QPA_PLATFORM").constData());
    const char* names[3] = {"bare Qt window, ten tabs", BenchSettings::name(sizes[0]),
                            BenchSettings::name(sizes[1])};
    for (int i = 0; i < 3; ++i) {
        std::printf("  %-26s %8.1f ms  %7.1f MB peak", names[i], median(ms[i]), median(mb[i]));
        if (i > 0)
            std::printf("   %.2f x the bare window's time, %.2f x its memory", median(ms[i]) / median(ms[0]),
                        median(mb[i]) / median(mb[0]));
        std::printf("\n");
    }
    return 0;
}
