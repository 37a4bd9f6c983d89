#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

class DataSetField;
class InputFile;
struct DataSet;
struct SelectorLists;

// One field of a file as show and diff print it: "NAME = VALUE", one per line.
// Texts are quoted without their padding (trailing blanks and NUL bytes), with
// \\, \" and \xNN for a backslash, a quote and a control character; a list
// position is followed by its entry's quoted text when the list has one; codes,
// check states and flags are printed as stored.
struct ShownField
{
    QString name;
    QString group;
    QString family;
    int part = 0;     // 0: none
    int position = 0; // 0: none
    QString
        type; // "version", "name", "code", "list", "check", "gpio", "flag", "path", "configname", "record"
    bool isText = false;
    QString text;
    int number = 0;
    std::optional<QString> entry;

    QString valueText() const;
    QString line() const { return name + QStringLiteral(" = ") + valueText(); }
    QJsonObject json() const;
};

// The fields of a file in file order: the data set's fields with the entries of
// the lists the settings define, or a configuration file's record(s).
QList<ShownField> ShownFields(const InputFile& file, const SelectorLists& lists);
ShownField ShowDataSetField(const DataSetField& field, const DataSet& data, const SelectorLists& lists);

// The text between quotes as show prints it, its escapes undone; a text not in
// quotes is taken as it is. Nullopt for a broken escape or a missing end quote.
std::optional<QString> UnquotedValue(const QString& value);
// The padding-free text of a field's bytes.
QString UnpaddedText(const QByteArray& raw);
