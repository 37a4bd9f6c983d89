// devsim: plays the control unit of the device for trying the editor without one.
#include "DeviceEngine.h"
#include "AppSettings.h"
#include "DeviceState.h"
#include "PtyLine.h"
#include "SerialDeviceLine.h"
#include "StartupSettings.h"
#include "TransferLayout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QSocketNotifier>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

QElapsedTimer g_clock;

void say(const QString& text)
{
    std::fprintf(stdout, "[%9.1f] %s\n", double(g_clock.nsecsElapsed()) / 1e6,
                 text.toLocal8Bit().constData());
    std::fflush(stdout);
}

struct LineParameters
{
    qint32 baud = 19200;
    char parity = 'N';
    int dataBits = 8;
    int stopBitsTimesTwo = 2;
    int bitsPerCharacter() const
    {
        return 1 + dataBits + (parity == 'N' ? 0 : 1) + (stopBitsTimesTwo + 1) / 2;
    }
};

bool parseLine(const QString& text, LineParameters* out)
{
    const QStringList items = text.toUpper().split(QLatin1Char(','));
    if (items.size() != 4)
        return false;
    bool ok1 = false, ok2 = false;
    out->baud = items[0].toInt(&ok1);
    out->parity = items[1].isEmpty() ? 'N' : items[1].at(0).toLatin1();
    out->dataBits = items[2].toInt(&ok2);
    out->stopBitsTimesTwo = items[3] == QLatin1String("2") ? 4 : items[3] == QLatin1String("1.5") ? 3 : 2;
    return ok1 && ok2 && out->baud > 0 && out->dataBits >= 5 && out->dataBits <= 8;
}

// The counts of the editor's settings file, so the data set the simulator sends is
// the one that editor expects.
bool readLayout(const QString& settingsFile, TransferLayout* layout, QString* error)
{
    AppSettings settings;
    const QFileInfo info(settingsFile);
    if (!info.isFile()) {
        *error = QStringLiteral("%1 does not exist").arg(settingsFile);
        return false;
    }
    settings.SettingsFile = info.absoluteFilePath();
    settings.ProgramFolder = info.absolutePath();
    int step = ReadLanguageAndLogFlag(settings);
    if (step == 0)
        step = ReadMainSettings(settings);
    if (step != 0) {
        *error = QStringLiteral("%1: %2").arg(settingsFile, StartupStepText(step, false));
        return false;
    }
    *layout = TransferLayout::fromSettings(settings);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    g_clock.start();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("devsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays the device's control unit over a serial device or a pseudo-terminal.\n"
        "Commands on standard input: 80, 82, 84 <kind>, 87 (sent to the program), save <folder>, quit."));
    parser.addHelpOption();
    const QCommandLineOption device(QStringLiteral("device"),
                                    QStringLiteral("Serial device to use instead of a pseudo-terminal."),
                                    QStringLiteral("path"));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Symbolic link to place at the pseudo-terminal."),
                                  QStringLiteral("path"));
    const QCommandLineOption line(QStringLiteral("line"),
                                  QStringLiteral("Line parameters, default 19200,N,8,1."),
                                  QStringLiteral("settings"), QStringLiteral("19200,N,8,1"));
    const QCommandLineOption pace(QStringLiteral("pace"),
                                  QStringLiteral("Pace the pseudo-terminal at this baud rate."),
                                  QStringLiteral("baud"));
    const QCommandLineOption state(QStringLiteral("state"),
                                   QStringLiteral("Load the device state from this folder."),
                                   QStringLiteral("folder"));
    const QCommandLineOption settingsFile(
        QStringLiteral("settings"),
        QStringLiteral("Shape the default data set by the counts of this editor settings file."),
        QStringLiteral("file"));
    const QCommandLineOption saveOnExit(QStringLiteral("save-on-exit"),
                                        QStringLiteral("Save the device state to this folder when ending."),
                                        QStringLiteral("folder"));
    const QCommandLineOption wrongChecksum(QStringLiteral("wrong-checksum"),
                                           QStringLiteral("Answer 85 with a wrong checksum."));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Answer nothing."));
    const QCommandLineOption garbage(QStringLiteral("garbage"),
                                     QStringLiteral("Send n noise bytes before every frame."),
                                     QStringLiteral("n"));
    const QCommandLineOption split(QStringLiteral("split"),
                                   QStringLiteral("Send frames in random small pieces."));
    const QCommandLineOption noEnd(QStringLiteral("no-end"),
                                   QStringLiteral("Leave out the end byte of every frame."));
    const QCommandLineOption delay(
        QStringLiteral("delay"), QStringLiteral("Wait this long before every answer."), QStringLiteral("ms"));
    const QCommandLineOption group(
        QStringLiteral("group-30"),
        QStringLiteral("Answer a request for kind 30 with one payload of all eight records."));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the noise and the pieces."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    parser.addOptions({device, link, line, pace, state, settingsFile, saveOnExit, wrongChecksum, silent, garbage, split,
                       noEnd, delay, group, seed});
    parser.process(app);

    LineParameters params;
    if (!parseLine(parser.value(line), &params)) {
        std::fprintf(stderr, "devsim: bad line parameters \"%s\"\n", qPrintable(parser.value(line)));
        return 2;
    }

    TransferLayout layout;
    if (parser.isSet(settingsFile)) {
        QString error;
        if (!readLayout(parser.value(settingsFile), &layout, &error)) {
            std::fprintf(stderr, "devsim: %s\n", qPrintable(error));
            return 2;
        }
    }
    DeviceState deviceState = DeviceState::defaults(layout);
    if (parser.isSet(state)) {
        QString error;
        if (!deviceState.load(parser.value(state), &error)) {
            std::fprintf(stderr, "devsim: %s\n", qPrintable(error));
            return 2;
        }
    }

    std::unique_ptr<SimLine> simLine;
    if (parser.isSet(device)) {
        auto serial = std::make_unique<SerialDeviceLine>(parser.value(device), params.baud, params.parity,
                                                         params.dataBits, params.stopBitsTimesTwo);
        if (!serial->ok()) {
            std::fprintf(stderr, "devsim: %s: %s\n", qPrintable(parser.value(device)),
                         qPrintable(serial->error()));
            return 1;
        }
        say(QStringLiteral("device %1").arg(parser.value(device)));
        simLine = std::move(serial);
    } else {
        auto pty = std::make_unique<PtyLine>();
        if (!pty->ok()) {
            std::fprintf(stderr, "devsim: no pseudo-terminal: %s\n", qPrintable(pty->error()));
            return 1;
        }
        say(QStringLiteral("pty %1").arg(pty->slavePath()));
        if (parser.isSet(link)) {
            const QString path = parser.value(link);
            QFile::remove(path);
            if (!QFile::link(pty->slavePath(), path)) {
                std::fprintf(stderr, "devsim: cannot place the link %s\n", qPrintable(path));
                return 1;
            }
            say(QStringLiteral("link %1").arg(path));
        }
        if (parser.isSet(pace))
            pty->setPacing(parser.value(pace).toInt(), params.bitsPerCharacter());
        simLine = std::move(pty);
    }

    DeviceFaults faults;
    faults.wrongChecksum = parser.isSet(wrongChecksum);
    faults.silent = parser.isSet(silent);
    faults.garbageBytes = parser.value(garbage).toInt();
    faults.splitFrames = parser.isSet(split);
    faults.missingEndByte = parser.isSet(noEnd);
    faults.answerDelayMs = parser.value(delay).toInt();
    faults.groupAsOnePayload = parser.isSet(group);

    DeviceEngine engine(deviceState, layout, *simLine, faults, say, parser.value(seed).toUInt());
    QObject::connect(simLine.get(), &SimLine::lost, &app,
                     [](const QString& why) { say(QStringLiteral("line lost: %1").arg(why)); });

    auto finish = [&] {
        if (parser.isSet(saveOnExit)) {
            QString error;
            if (!deviceState.save(parser.value(saveOnExit), &error))
                say(QStringLiteral("not saved: %1").arg(error));
        }
        if (parser.isSet(link))
            QFile::remove(parser.value(link));
    };

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pendingInput;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[512];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false); // end of input: keep serving the line
            return;
        }
        pendingInput.append(buffer, n);
        qsizetype eol;
        while ((eol = pendingInput.indexOf('\n')) >= 0) {
            const QString command = QString::fromLocal8Bit(pendingInput.left(eol)).trimmed();
            pendingInput.remove(0, eol + 1);
            if (command.isEmpty())
                continue;
            if (command == QLatin1String("quit")) {
                app.quit();
                return;
            }
            if (command.startsWith(QLatin1String("save "))) {
                QString error;
                say(deviceState.save(command.mid(5).trimmed(), &error)
                        ? QStringLiteral("saved")
                        : QStringLiteral("not saved: %1").arg(error));
                continue;
            }
            if (!engine.startCommand(command))
                say(QStringLiteral("unknown command \"%1\"").arg(command));
        }
    });

    say(QStringLiteral("ready"));
    const int rc = app.exec();
    finish();
    return rc;
}
