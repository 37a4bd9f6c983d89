#include "ShownField.h"

#include "Cp1252.h"
#include "DataSetField.h"
#include "FieldLists.h"
#include "InputFile.h"

#include <QJsonValue>

namespace {

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\') + QString(c);
        else if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            out += QStringLiteral("\\x") + QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString typeOf(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Version:
        return QStringLiteral("version");
    case FieldKind::SignalName:
        return QStringLiteral("name");
    case FieldKind::SourceCode:
        return QStringLiteral("code");
    case FieldKind::ListPosition:
        return QStringLiteral("list");
    case FieldKind::GroupMember:
        return QStringLiteral("check");
    case FieldKind::GpioCode:
        return QStringLiteral("gpio");
    case FieldKind::Flag:
        return QStringLiteral("flag");
    case FieldKind::Path:
        return QStringLiteral("path");
    case FieldKind::ConfigName:
        return QStringLiteral("configname");
    }
    return {};
}

ShownField record(const QString& family, int position, const QByteArray& raw)
{
    ShownField f;
    f.family = family;
    f.name = position == 0 ? family : QStringLiteral("%1(%2)").arg(family).arg(position);
    f.group = QStringLiteral("Configurations");
    f.position = position;
    f.type = QStringLiteral("record");
    f.isText = true;
    f.text = UnpaddedText(raw);
    return f;
}

} // namespace

QString UnpaddedText(const QByteArray& raw)
{
    qsizetype end = raw.size();
    while (end > 0 && (raw.at(end - 1) == ' ' || raw.at(end - 1) == '\0'))
        --end;
    return Cp1252::decode(raw.left(end));
}

QString ShownField::valueText() const
{
    if (isText)
        return quoted(text);
    QString value = QString::number(number);
    if (entry)
        value += QLatin1Char(' ') + quoted(*entry);
    return value;
}

QJsonObject ShownField::json() const
{
    QJsonObject o;
    o.insert(QStringLiteral("name"), name);
    o.insert(QStringLiteral("group"), group);
    o.insert(QStringLiteral("field"), family);
    o.insert(QStringLiteral("part"), part > 0 ? QJsonValue(part) : QJsonValue());
    o.insert(QStringLiteral("position"), position > 0 ? QJsonValue(position) : QJsonValue());
    o.insert(QStringLiteral("type"), type);
    if (isText) {
        o.insert(QStringLiteral("value"), text);
    } else {
        o.insert(QStringLiteral("value"), number);
        if (type == QLatin1String("list"))
            o.insert(QStringLiteral("entry"), entry ? QJsonValue(*entry) : QJsonValue());
    }
    return o;
}

ShownField ShowDataSetField(const DataSetField& field, const DataSet& data, const SelectorLists& lists)
{
    ShownField f;
    f.name = field.name();
    f.group = QString(field.group());
    f.family = QString(field.family());
    f.part = field.part();
    f.position = field.position();
    f.type = typeOf(field.kind());
    f.isText = field.isText();
    if (f.isText) {
        f.text = UnpaddedText(field.raw(data));
        return f;
    }
    f.number = field.value(data);
    if (const ListEntry* entry = EntryAt(ListOfField(field, lists), f.number))
        f.entry = entry->text;
    return f;
}

QList<ShownField> ShownFields(const InputFile& file, const SelectorLists& lists)
{
    QList<ShownField> fields;
    switch (file.kind()) {
    case FileKind::Data:
        for (const DataSetField& field : DataSetFields())
            fields.append(ShowDataSetField(field, file.dataSet(), lists));
        break;
    case FileKind::ConfigSingle:
        fields.append(record(QStringLiteral("ConfigSingle"), 0, file.image()));
        break;
    case FileKind::ConfigGroup:
        for (int r = 0; r < 8; ++r)
            fields.append(record(QStringLiteral("ConfigGroup"), r + 1,
                                 file.image().mid(qsizetype(r) * InputFile::sizeOf(FileKind::ConfigSingle),
                                                  InputFile::sizeOf(FileKind::ConfigSingle))));
        break;
    }
    return fields;
}

std::optional<QString> UnquotedValue(const QString& value)
{
    if (!value.startsWith(QLatin1Char('"')))
        return value;
    QString text;
    for (qsizetype i = 1; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('"'))
            return i == value.size() - 1 ? std::optional<QString>(text) : std::nullopt;
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        if (i + 1 >= value.size())
            return std::nullopt;
        const QChar next = value.at(++i);
        if (next == QLatin1Char('\\') || next == QLatin1Char('"')) {
            text += next;
        } else if (next == QLatin1Char('x') && i + 2 < value.size()) {
            bool ok = false;
            const int code = value.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok)
                return std::nullopt;
            text += QChar(char16_t(code));
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}
