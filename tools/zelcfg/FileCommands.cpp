#include "Commands.h"

#include "Arguments.h"
#include "BlankNames.h"
#include "CommandSetup.h"
#include "DataFile.h"
#include "DataSetField.h"
#include "FieldRules.h"
#include "InputFile.h"
#include "SafeFile.h"
#include "ShownField.h"
#include "TransferEncoding.h"
#include "TransferLayout.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

constexpr int kShowSchemaVersion = 1;

Failure wordCount(const Arguments& args, const char* command, int least, int most)
{
    const qsizetype n = args.words().size();
    if (n >= least && n <= most)
        return {};
    return Failure::badInput(
        QStringLiteral("%1: %2; \"zelcfg %1 --help\" tells more")
            .arg(QLatin1String(command),
                 n < least ? QStringLiteral("a file is missing")
                           : QStringLiteral("\"%1\" is one word too many").arg(args.words().at(most))));
}

QString showJson(const QString& path, const InputFile& file, const QList<ShownField>& fields)
{
    QJsonArray array;
    for (const ShownField& field : fields)
        array.append(field.json());
    QJsonObject document;
    document.insert(QStringLiteral("schema"), QStringLiteral("zelcfg.show"));
    document.insert(QStringLiteral("version"), kShowSchemaVersion);
    document.insert(QStringLiteral("file"), path);
    document.insert(QStringLiteral("kind"), InputFile::kindName(file.kind()));
    document.insert(QStringLiteral("fields"), array);
    return QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

// The data file the editor writes for the data set: the version field always set.
Failure writeDataFile(const QString& path, DataSet data)
{
    data.DataVersion.set(QLatin1String(kDataFileVersion));
    QString error;
    if (!WriteFileAtomically(path, data.toBytes(), &error))
        return Failure::badInput(QStringLiteral("%1: cannot be written: %2").arg(path, error));
    return {};
}

// The settings and the one file the command works on.
Failure loadOneFile(const Arguments& args, const char* command, CommandSetup& setup, InputFile& file,
                    std::optional<FileKind> expected = {})
{
    if (Failure f = wordCount(args, command, 1, 1); f.failed())
        return f;
    if (Failure f = setup.load(); f.failed())
        return f;
    return file.load(args.words().first(), setup.tool.settings.SettingsFile, expected);
}

} // namespace

Failure runShow(const Arguments& args)
{
    CommandSetup setup(args);
    InputFile file;
    if (Failure f = loadOneFile(args, "show", setup, file); f.failed())
        return f;
    const QString path = args.words().first();
    const QList<ShownField> fields = ShownFields(file, setup.tool.lists);
    if (args.has(QStringLiteral("json"))) {
        printOut(showJson(path, file, fields));
        return {};
    }
    QString text;
    for (const ShownField& field : fields)
        text += field.line() + QLatin1Char('\n');
    printOut(text);
    return {};
}

Failure runDiff(const Arguments& args, bool& different)
{
    if (Failure f = wordCount(args, "diff", 2, 2); f.failed())
        return f;
    CommandSetup setup(args);
    if (Failure f = setup.load(); f.failed())
        return f;
    InputFile a, b;
    if (Failure f = a.load(args.words().at(0), setup.tool.settings.SettingsFile); f.failed())
        return f;
    if (Failure f = b.load(args.words().at(1), setup.tool.settings.SettingsFile); f.failed())
        return f;
    if (a.kind() != b.kind())
        return Failure::badInput(QStringLiteral("%1 is a %2 file and %3 a %4 file")
                                     .arg(args.words().at(0), InputFile::kindName(a.kind()),
                                          args.words().at(1), InputFile::kindName(b.kind())));
    const QList<ShownField> left = ShownFields(a, setup.tool.lists);
    const QList<ShownField> right = ShownFields(b, setup.tool.lists);
    QString text;
    for (qsizetype i = 0; i < left.size(); ++i) {
        const QString l = left.at(i).line();
        const QString r = right.at(i).line();
        if (l != r)
            text += QStringLiteral("- ") + l + QStringLiteral("\n+ ") + r + QLatin1Char('\n');
    }
    printOut(text);
    different = !text.isEmpty();
    return {};
}

Failure runEdit(const Arguments& args)
{
    if (args.words().size() < 2)
        return Failure::badInput(QStringLiteral("edit: a file and at least one FIELD=VALUE are needed"));
    CommandSetup setup(args);
    if (Failure f = setup.load(); f.failed())
        return f;
    const QString path = args.words().first();
    InputFile file;
    if (Failure f = file.load(path, setup.tool.settings.SettingsFile, FileKind::Data); f.failed())
        return f;

    DataSet data = file.dataSet();
    for (const QString& assignment : args.words().mid(1)) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        if (equals < 0)
            return Failure::badInput(QStringLiteral("%1: \"%2\" is no FIELD=VALUE").arg(path, assignment));
        const QString name = assignment.left(equals);
        const DataSetField* field = FindDataSetField(name);
        if (!field)
            return Failure::badInput(
                QStringLiteral("%1: no field \"%2\" (\"zelcfg show\" names them)").arg(path, name.trimmed()));
        const QString given = assignment.mid(equals + 1);
        const std::optional<QString> value = UnquotedValue(given);
        QString problem =
            value ? QString() : QStringLiteral("the quoted text is not closed, or has a broken escape");
        if (value)
            problem = EditDataSetField(data, *field, *value, setup.tool.settings, setup.tool.lists);
        if (!problem.isEmpty())
            return Failure::badInput(
                QStringLiteral("%1: %2=%3 refused: %4").arg(path, field->name(), given, problem));
    }
    return writeDataFile(args.value(QStringLiteral("output"), path), data);
}

Failure runPayload(const Arguments& args)
{
    CommandSetup setup(args);
    InputFile file;
    if (Failure f = loadOneFile(args, "payload", setup, file, FileKind::Data); f.failed())
        return f;
    ToolContext& tool = setup.tool;
    const QString path = args.words().first();
    if (Failure f = tool.loadResetImage(); f.failed())
        return f;
    tool.data.Current = file.dataSet();
    // What the editor does with a data file before it sends it.
    CheckBlankNames(*tool.dataContext);
    QString error;
    const QByteArray payload =
        EncodeDataSetPayload(tool.data.Current, TransferLayout::fromSettings(tool.settings), tool.lists,
                             tool.settings.GPIO_Options_Mode, error);
    if (!error.isEmpty())
        return Failure::badInput(QStringLiteral("%1: cannot be sent: %2").arg(path, error));
    printOut(QString::fromLatin1(payload) + QLatin1Char('\n'));
    return {};
}
