#include "Commands.h"

#include "AppContext.h"
#include "Arguments.h"
#include "BlankNames.h"
#include "CommandSetup.h"
#include "ConfigTransfer.h"
#include "FieldRules.h"
#include "InputFile.h"
#include "LinkRequests.h"
#include "LinkSession.h"
#include "SerialLink.h"
#include "StatusTexts.h"
#include "TrimRight.h"

#include <QFile>
#include <QFileInfo>

namespace {

Failure usage(const QString& why)
{
    return Failure::badInput(QStringLiteral("send: %1; \"zelcfg send --help\" tells more").arg(why));
}

// The "86" answers a transfer of `records` frames needs.
Failure confirmed(const LinkSession& session, int records, const QString& frame)
{
    if (session.checksumsRefused() > 0)
        return {ExitChecksum, QStringLiteral("%1: the device answered frame %2 with another checksum")
                                  .arg(session.portText(), frame)};
    if (session.checksumsConfirmed() < records)
        return session.silence(frame, QStringLiteral("86"));
    return {};
}

Failure transmitted(LinkSession& session, const QByteArray& frame, const QString& name)
{
    if (!session.link().TransmitData(frame))
        return session.silence(name, QString());
    return {};
}

// Six status texts, one per line; fewer lines leave the rest blank.
Failure readStatusTexts(const QString& path, ConfigurationData& data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure::badInput(QStringLiteral("%1: %2").arg(path, file.errorString()));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() > int(data.StatusText.size()))
        return Failure::badInput(
            QStringLiteral("%1: %2 lines, at most 6 status texts").arg(path).arg(lines.size()));
    for (qsizetype i = 0; i < qsizetype(data.StatusText.size()); ++i) {
        QString text = lines.value(i);
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        const QString problem = StatusTextProblem(text);
        if (!problem.isEmpty())
            return Failure::badInput(QStringLiteral("%1: line %2: %3").arg(path).arg(i + 1).arg(problem));
        data.StatusText[i].set(TrimRight(text));
    }
    return {};
}

// What a command sends, checked before the port is opened.
struct Plan
{
    QString what;
    int index = -1; // configuration record 1 ... 8, 0 for all eight
    QString input;
};

Failure planOf(const QStringList& words, Plan& plan)
{
    plan.what = words.value(0);
    const bool withRecord = plan.what == QLatin1String("record");
    const qsizetype wanted = withRecord ? 3 : 2;
    if (plan.what.isEmpty())
        return usage(QStringLiteral("what to send is missing"));
    if (!QStringList{QStringLiteral("dataset"), QStringLiteral("status"), QStringLiteral("version"),
                     QStringLiteral("record"), QStringLiteral("group")}
             .contains(plan.what))
        return usage(QStringLiteral("\"%1\" cannot be sent").arg(plan.what));
    if (words.size() != wanted)
        return usage(QStringLiteral("%1 takes %2 word(s)").arg(plan.what).arg(wanted - 1));
    if (withRecord) {
        bool ok = false;
        plan.index = words.at(1).toInt(&ok);
        if (!ok || plan.index < 1 || plan.index > 8)
            return usage(QStringLiteral("record \"%1\": the records are 1 to 8").arg(words.at(1)));
    } else if (plan.what == QLatin1String("group")) {
        plan.index = 0;
    }
    plan.input = words.last();
    return {};
}

} // namespace

Failure runSend(const Arguments& args)
{
    Plan plan;
    if (Failure f = planOf(args.words(), plan); f.failed())
        return f;
    CommandSetup setup(args);
    if (Failure f = setup.load(); f.failed())
        return f;
    ToolContext& tool = setup.tool;
    if (Failure f = tool.loadResetImage(); f.failed())
        return f;

    // Everything is read and checked before the port is opened.
    QByteArray frame;
    if (plan.what == QLatin1String("dataset")) {
        InputFile file;
        if (Failure f = file.load(plan.input, tool.settings.SettingsFile, FileKind::Data); f.failed())
            return f;
        tool.data.Current = file.dataSet();
        CheckBlankNames(*tool.dataContext);
    } else if (plan.what == QLatin1String("status")) {
        if (Failure f = readStatusTexts(plan.input, tool.data); f.failed())
            return f;
        frame = BuildStatusTextBlock(*tool.dataContext);
    } else if (plan.what == QLatin1String("version")) {
        const QString problem = AcuVersionProblem(plan.input);
        if (!problem.isEmpty())
            return Failure::badInput(QStringLiteral("version \"%1\": %2").arg(plan.input, problem));
        tool.data.ACUVersion.set(plan.input);
        frame = VersionFrame(tool.data.ACUVersion.text());
    } else {
        InputFile file;
        const FileKind kind = plan.index == 0 ? FileKind::ConfigGroup : FileKind::ConfigSingle;
        if (Failure f = file.load(plan.input, tool.settings.SettingsFile, kind); f.failed())
            return f;
        setup.ui.setFilePath(QFileInfo(plan.input).absoluteFilePath());
    }

    LinkSession session(tool, setup.ui);
    if (Failure f = session.open(args.value(QStringLiteral("port"))); f.failed())
        return f;
    if (plan.what == QLatin1String("status"))
        return transmitted(session, frame, QStringLiteral("83"));
    if (plan.what == QLatin1String("version"))
        return transmitted(session, frame, QStringLiteral("89"));
    if (plan.what == QLatin1String("dataset")) {
        const QString error = SendDataSet(*tool.dataContext, session.link(), session.commands(), tool.lists);
        if (!error.isEmpty())
            return Failure::badInput(QStringLiteral("%1: cannot be sent: %2").arg(plan.input, error));
        session.deliver();
        return confirmed(session, 1, QStringLiteral("85 20"));
    }
    const QString error = session.transfer().SendConfig(plan.index);
    if (!error.isEmpty())
        return Failure::badInput(QStringLiteral("%1: cannot be sent: %2").arg(plan.input, error));
    session.deliver();
    return confirmed(session, plan.index == 0 ? 8 : 1,
                     plan.index == 0 ? QStringLiteral("85 31 ... 85 38")
                                     : QStringLiteral("85 ") + ConfigKindCode(plan.index));
}
