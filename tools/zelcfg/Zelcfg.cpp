#include "Commands.h"

#include "Arguments.h"
#include "HelpTexts.h"

#include <cstdio>

namespace {

const QList<Arguments::Option> kFileOptions{{"settings", true}, {"help", false}};
const QList<Arguments::Option> kLinkOptions{
    {"settings", true}, {"help", false}, {"port", true}, {"quiet", false}, {"verbose", false}};

QList<Arguments::Option> optionsOf(const QString& command)
{
    if (command == QLatin1String("show"))
        return kFileOptions + QList<Arguments::Option>{{"json", false}};
    if (command == QLatin1String("edit"))
        return kFileOptions + QList<Arguments::Option>{{"output", true}};
    if (command == QLatin1String("fetch") || command == QLatin1String("send"))
        return kLinkOptions;
    return kFileOptions;
}

void printError(const QString& text)
{
    // One line, whatever the texts it quotes hold.
    QString line = text;
    for (QChar& c : line) {
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    std::fputs((QStringLiteral("zelcfg: ") + line + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

bool isHelp(const QString& word)
{
    return word == QLatin1String("--help") || word == QLatin1String("-h") || word == QLatin1String("help");
}

} // namespace

void printOut(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

int zelcfg(const QStringList& arguments)
{
    if (arguments.isEmpty() || isHelp(arguments.first())) {
        const QString topic = arguments.value(1);
        const QString help = topic.isEmpty() ? ProgramHelp() : CommandHelp(topic);
        if (help.isEmpty()) {
            printError(QStringLiteral("no command \"%1\"; \"zelcfg --help\" lists them").arg(topic));
            return ExitBadInput;
        }
        printOut(help);
        return arguments.isEmpty() ? ExitBadInput : ExitOk;
    }
    const QString command = arguments.first();
    if (CommandHelp(command).isEmpty()) {
        printError(QStringLiteral("no command \"%1\"; \"zelcfg --help\" lists them").arg(command));
        return ExitBadInput;
    }
    Arguments args;
    if (!args.parse(arguments.mid(1), optionsOf(command))) {
        printError(QStringLiteral("%1: %2; \"zelcfg %1 --help\" tells more").arg(command, args.error()));
        return ExitBadInput;
    }
    if (args.has(QStringLiteral("help"))) {
        printOut(CommandHelp(command));
        return ExitOk;
    }

    bool different = false;
    Failure failure;
    if (command == QLatin1String("show"))
        failure = runShow(args);
    else if (command == QLatin1String("diff"))
        failure = runDiff(args, different);
    else if (command == QLatin1String("edit"))
        failure = runEdit(args);
    else if (command == QLatin1String("payload"))
        failure = runPayload(args);
    else if (command == QLatin1String("fetch"))
        failure = runFetch(args);
    else
        failure = runSend(args);
    if (failure.failed()) {
        printError(failure.message);
        return failure.code;
    }
    return different ? ExitDifferent : ExitOk;
}
