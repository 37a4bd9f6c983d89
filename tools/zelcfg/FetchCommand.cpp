#include "Commands.h"

#include "AppContext.h"
#include "Arguments.h"
#include "CommandSetup.h"
#include "ConfigTransfer.h"
#include "DataFile.h"
#include "LinkRequests.h"
#include "LinkSession.h"
#include "SafeFile.h"
#include "ShownField.h"

#include <QDir>
#include <QFileInfo>

namespace {

Failure usage(const QString& why)
{
    return Failure::badInput(QStringLiteral("fetch: %1; \"zelcfg fetch --help\" tells more").arg(why));
}

// A file is only written once everything has arrived, so its folder is checked first.
Failure writableTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return Failure::badInput(QStringLiteral("%1: no such folder").arg(path));
    if (info.isDir())
        return Failure::badInput(QStringLiteral("%1: is a folder").arg(path));
    return {};
}

Failure written(const QString& path, const QByteArray& bytes)
{
    QString error;
    if (!WriteFileAtomically(path, bytes, &error))
        return Failure::badInput(QStringLiteral("%1: cannot be written: %2").arg(path, error));
    return {};
}

// A reply that was handed over but could not be stored, or none at all.
Failure received(const LinkSession& session, const QString& request, const QString& kind)
{
    if (session.dataDamaged() > 0)
        return {ExitChecksum,
                QStringLiteral("%1: the data of frame 85 %2 cannot be read").arg(session.portText(), kind)};
    if (session.dataStored() == 0)
        return session.silence(request, QStringLiteral("85"));
    return {};
}

// A configuration file the reply handling failed to write.
Failure writeErrors(const ConsoleUserInterface& ui, qsizetype before, const QString& path)
{
    if (ui.errors().size() > before)
        return Failure::badInput(QStringLiteral("%1: cannot be written: %2").arg(path, ui.errors().last()));
    return {};
}

Failure fetchDataSet(CommandSetup& setup, LinkSession& session, const QString& out)
{
    ToolContext& tool = setup.tool;
    if (!RequestDataSet(*tool.app, session.link()))
        return session.silence(QStringLiteral("84 20"), QStringLiteral("85"));
    session.deliver();
    if (Failure f = received(session, QStringLiteral("84 20"), QStringLiteral("20")); f.failed())
        return f;
    DataSet data = tool.data.Current;
    data.DataVersion.set(QLatin1String(kDataFileVersion));
    return written(out, data.toBytes());
}

Failure fetchStatus(CommandSetup& setup, LinkSession& session, const QString& out)
{
    ToolContext& tool = setup.tool;
    if (!ExchangeFrame(*tool.app, session.link(), CommandFrame(char(0x82)),
                       QStringLiteral("TransmitData_GetVersionInfo"), QStringLiteral("83")))
        return session.silence(QStringLiteral("82"), QStringLiteral("83"));
    session.deliver();
    QString text;
    for (const auto& status : tool.data.StatusText)
        text += UnpaddedText(status.raw()) + QLatin1Char('\n');
    if (out.isEmpty()) {
        printOut(text);
        return {};
    }
    return written(out, text.toUtf8());
}

Failure fetchRecords(CommandSetup& setup, LinkSession& session, int index, const QString& out)
{
    const QString kind = ConfigKindCode(index);
    setup.ui.setFilePath(out);
    const qsizetype errors = setup.ui.errors().size();
    session.transfer().RequestConfig(index);
    session.deliver();
    // All eight come one by one, each after the answer to the one before.
    if (index == 0)
        session.waitFor([&session, &kind] {
            return session.dataDamaged() > 0 || session.dataStored() >= 8 || session.lastKind() == kind;
        });
    if (Failure f = received(session, QStringLiteral("84 ") + kind, session.lastKind()); f.failed())
        return f;
    if (index == 0 && session.dataStored() < 8 && session.lastKind() != kind)
        return session.silence(QStringLiteral("86 of record %1").arg(session.dataStored()),
                               QStringLiteral("85"));
    return writeErrors(setup.ui, errors, out);
}

} // namespace

Failure runFetch(const Arguments& args)
{
    const QStringList& words = args.words();
    const QString what = words.value(0);
    int index = -1;
    QString out;
    if (what == QLatin1String("dataset") && words.size() == 2) {
        out = words.at(1);
    } else if (what == QLatin1String("status") && words.size() <= 2) {
        out = words.value(1);
    } else if (what == QLatin1String("record") && words.size() == 3) {
        bool ok = false;
        index = words.at(1).toInt(&ok);
        if (!ok || index < 1 || index > 8)
            return usage(QStringLiteral("record \"%1\": the records are 1 to 8").arg(words.at(1)));
        out = words.at(2);
    } else if (what == QLatin1String("group") && words.size() == 2) {
        index = 0;
        out = words.at(1);
    } else if (what == QLatin1String("version")) {
        return usage(QStringLiteral("the device has no request for its control unit version"));
    } else {
        return usage(what.isEmpty()
                         ? QStringLiteral("what to fetch is missing")
                         : QStringLiteral("\"%1\" with %2 more words").arg(what).arg(words.size() - 1));
    }
    if (!out.isEmpty()) {
        if (Failure f = writableTarget(out); f.failed())
            return f;
    }

    CommandSetup setup(args);
    if (Failure f = setup.load(); f.failed())
        return f;
    if (Failure f = setup.tool.loadResetImage(); f.failed())
        return f;
    LinkSession session(setup.tool, setup.ui);
    if (Failure f = session.open(args.value(QStringLiteral("port"))); f.failed())
        return f;
    if (what == QLatin1String("dataset"))
        return fetchDataSet(setup, session, out);
    if (what == QLatin1String("status"))
        return fetchStatus(setup, session, out);
    return fetchRecords(setup, session, index, QFileInfo(out).absoluteFilePath());
}
