#include "FieldRules.h"

#include "AppSettings.h"
#include "ConfigPaths.h"
#include "Cp1252.h"
#include "DataSet.h"
#include "DataSetField.h"
#include "FieldLists.h"
#include "KeyFilters.h"
#include "OneOfN.h"
#include "SelectorLists.h"
#include "SourceCodes.h"
#include "TrimRight.h"

#include <algorithm>
#include <span>

namespace {

constexpr int kStatusTextLength = 64;
constexpr int kAcuVersionLength = 4;
constexpr int kPathBoxLength = 255;

bool readInteger(const QString& value, int& number)
{
    bool ok = false;
    number = value.trimmed().toInt(&ok);
    return ok && number >= -32768 && number <= 32767;
}

QString refusedCharacter(const QString& text, bool (*allowed)(QChar))
{
    for (QChar c : text) {
        if (!allowed(c)) {
            const QString code = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
            return QStringLiteral("the character %1 is not allowed")
                .arg(c.isPrint() ? QStringLiteral("'%1' (%2)").arg(c).arg(code) : code);
        }
    }
    return {};
}

bool isNameCharacter(QChar c)
{
    return c.unicode() >= 32 && FilterNameKey(c.unicode()) != 0;
}

bool isLineCharacter(QChar c)
{
    return c.unicode() >= 32 && Cp1252::canEncode(c);
}

QString nameProblem(const QString& text, int maxLength, const char* lengthRule)
{
    const QString refused = refusedCharacter(text, isNameCharacter);
    if (!refused.isEmpty())
        return refused + QStringLiteral(" in a name");
    if (text.size() > maxLength)
        return QStringLiteral("at most %1 characters (%2)").arg(maxLength).arg(QLatin1String(lengthRule));
    return {};
}

// The members of the field's radio group.
std::span<qint16> groupOf(DataSet& d, const DataSetField& field)
{
    const QLatin1StringView family = field.family();
    if (family == QLatin1String("MonMode"))
        return d.MonMode;
    if (family == QLatin1String("MonPickoff"))
        return d.MonPickoff;
    return d.ControlMode;
}

QString editGroupMember(DataSet& d, const DataSetField& field, const QString& value)
{
    int wanted = 0;
    if (!readInteger(value, wanted) || (wanted != 0 && wanted != 1))
        return QStringLiteral("a check state is 0 or 1");
    const std::span<qint16> group = groupOf(d, field);
    const int member = field.position() - 1;
    if ((group[member] == 1) == (wanted == 1))
        return {};
    // A click on the box toggles it, then the group keeps one mark.
    group[member] = static_cast<qint16>(wanted);
    ExclusiveCheck(group, member, true);
    if (group[member] != wanted)
        return QStringLiteral("one member of %1 stays checked: set another member to 1 instead")
            .arg(QString(field.family()));
    return {};
}

QString editListPosition(DataSet& d, const DataSetField& field, const QString& value,
                         const SelectorLists& lists)
{
    const FieldList list = ListOfField(field, lists);
    const EntryList& entries = *list.entries;
    int position = -2;
    if (!readInteger(value, position)) {
        const QString wanted = value.trimmed();
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const ListEntry& e) { return e.text.trimmed() == wanted; });
        if (found == entries.end())
            return QStringLiteral("list %1 has no entry \"%2\"").arg(list.name, wanted);
        position = int(found - entries.begin());
    }
    // A filled list always has an entry chosen; an empty one chooses nothing.
    if (entries.isEmpty() && position != -1)
        return QStringLiteral("list %1 is empty, so the position is -1").arg(list.name);
    if (!entries.isEmpty() && (position < 0 || position >= entries.size()))
        return QStringLiteral("list %1 has the positions 0 to %2").arg(list.name).arg(entries.size() - 1);
    field.setValue(d, static_cast<qint16>(position));
    return {};
}

QString editGpioCode(DataSet& d, const DataSetField& field, const QString& value, const SelectorLists& lists)
{
    int code = 0;
    if (!readInteger(value, code))
        return QStringLiteral("a GPIO channel code is a number");
    const bool input = field.family().endsWith(QLatin1String("Input"));
    const EntryList& definitions = lists.lstData.at(input ? 0 : 1);
    const bool defined = std::any_of(definitions.begin(), definitions.end(),
                                     [code](const ListEntry& e) { return e.itemData == code; });
    if (code != 0 && !defined)
        return QStringLiteral("code %1 is no GPIO %2 definition (0 or %3)")
            .arg(code)
            .arg(input ? QStringLiteral("input") : QStringLiteral("output"))
            .arg(definitions.isEmpty() ? QStringLiteral("none defined")
                                       : QStringLiteral("%1 to %2")
                                             .arg(definitions.first().itemData)
                                             .arg(definitions.last().itemData));
    field.setValue(d, static_cast<qint16>(code));
    return {};
}

// The signal a value names: a source code, or the name of a signal in use.
QString sourceCodeOf(const DataSet& d, const QString& value, const AppSettings& settings, int& code)
{
    const EntryList named =
        NamedSources([&d](int part, int index) { return d.InputName[part - 1][index].trimmedRight(); },
                     settings.CountInput);
    const bool isNumber = readInteger(value, code);
    const QString wanted = value.trimmed();
    for (const ListEntry& source : named) {
        if (isNumber ? source.itemData == code : source.text == wanted) {
            code = source.itemData;
            return {};
        }
    }
    if (isNumber && code == kNoSource)
        return {};
    return isNumber ? QStringLiteral("code %1 is no named signal").arg(code)
                    : QStringLiteral("no signal is named \"%1\"").arg(wanted);
}

QString editLayerCell(DataSet& d, const DataSetField& field, int code)
{
    const int layer = field.part() - 1;
    if (code == kNoSource && layer == 0)
        return QStringLiteral("a cell of layer A always has a signal");
    if (code == kExclusiveLayerSource) {
        for (int l = 0; l < 8; ++l) {
            for (int n = 0; n < 8; ++n) {
                if ((l != layer || n != field.position() - 1) && d.LayerAssign[l][n] == code)
                    return QStringLiteral(
                               "signal %1 may be in one layer cell only, and LayerAssign(%2,%3) has it")
                        .arg(code)
                        .arg(QChar(u'A' + l))
                        .arg(n + 1);
            }
        }
    }
    field.setValue(d, static_cast<qint16>(code));
    return {};
}

QString editVtrSource(DataSet& d, const DataSetField& field, int code)
{
    const bool second = field.family() == QLatin1String("VTRSource2");
    const int row = field.position() - 1;
    if (code != kNoSource) {
        for (int column = 0; column < 2; ++column) {
            const auto& sources = column == 0 ? d.VTRSource1 : d.VTRSource2;
            for (int r = 0; r < int(sources.size()); ++r) {
                if ((column != int(second) || r != row) && sources[r] == code)
                    return QStringLiteral("a signal feeds one VTR source only, and VTRSource%1(%2) has it")
                        .arg(column + 1)
                        .arg(r + 1);
            }
        }
        if (second && d.VTRSource1[row] == kNoSource)
            return QStringLiteral("VTRSource2(%1) needs VTRSource1(%1) first").arg(row + 1);
    }
    field.setValue(d, static_cast<qint16>(code));
    // The second source of a pair needs a first one.
    for (std::size_t r = 0; r < d.VTRSource1.size(); ++r) {
        if (d.VTRSource1[r] == kNoSource)
            d.VTRSource2[r] = kNoSource;
    }
    return {};
}

QString editSourceCode(DataSet& d, const DataSetField& field, const QString& value,
                       const AppSettings& settings)
{
    int code = 0;
    const QString problem = sourceCodeOf(d, value, settings, code);
    if (!problem.isEmpty())
        return problem;
    if (field.family() == QLatin1String("LayerAssign"))
        return editLayerCell(d, field, code);
    return editVtrSource(d, field, code);
}

QString editText(DataSet& d, const DataSetField& field, const QString& value, const AppSettings& settings)
{
    const QString text = TrimRight(value);
    QString problem;
    switch (field.kind()) {
    case FieldKind::SignalName:
        problem = nameProblem(text, settings.TextLenInput, "TextLenInput");
        if (problem.isEmpty() && text.trimmed().isEmpty())
            problem = QStringLiteral("a signal name must not be blank");
        break;
    case FieldKind::ConfigName:
        problem = nameProblem(text, field.length(), "the length of a configuration name");
        break;
    case FieldKind::Path:
        problem = refusedCharacter(text, isLineCharacter);
        if (problem.isEmpty() && text.size() > kPathBoxLength)
            problem = QStringLiteral("at most %1 characters").arg(kPathBoxLength);
        if (problem.isEmpty()) {
            field.setText(d, StoredConfigPath(settings, text));
            return {};
        }
        break;
    default:
        break;
    }
    if (problem.isEmpty())
        field.setText(d, text);
    return problem;
}

} // namespace

QString FieldNotEditable(const DataSetField& field, const AppSettings& settings)
{
    const QLatin1StringView family = field.family();
    const int n = field.position();
    switch (field.kind()) {
    case FieldKind::Version:
        return QStringLiteral("DataVersion is written as 2.1 on every save");
    case FieldKind::SignalName: {
        const int count = settings.CountInput.at(field.part() - 1);
        if (n > count)
            return QStringLiteral("not in use: names part %1 has %2 names (CountInput)")
                .arg(field.part())
                .arg(count);
        return {};
    }
    case FieldKind::ListPosition:
        if (family == QLatin1String("OutputPickoff")) {
            const int count = settings.CountOutput.at(field.part() - 1);
            if (n > count)
                return QStringLiteral("not in use: output part %1 has %2 outputs (CountOutput)")
                    .arg(field.part())
                    .arg(count);
        }
        return {};
    case FieldKind::SourceCode:
        if (family == QLatin1String("LayerAssign") && n > settings.Layer_NumFaders / 2)
            return QStringLiteral("not in use: %1 faders give %2 rows (Layer_NumFaders)")
                .arg(settings.Layer_NumFaders)
                .arg(settings.Layer_NumFaders / 2);
        return {};
    case FieldKind::GpioCode: {
        const GpioRows rows = GpioRowsInUse(settings.GPIO_Options_Mode);
        const bool input = family == QLatin1String("GpioInput");
        const bool output = family == QLatin1String("GpioOutput");
        if ((input && n > rows.inputs) || (output && n > rows.outputs))
            return QStringLiteral("not in use: GPIO_Options_Mode %1 has %2 inputs and %3 outputs")
                .arg(settings.GPIO_Options_Mode)
                .arg(rows.inputs)
                .arg(rows.outputs);
        return {};
    }
    default:
        return {};
    }
}

QString EditDataSetField(DataSet& data, const DataSetField& field, const QString& value,
                         const AppSettings& settings, const SelectorLists& lists)
{
    const QString notEditable = FieldNotEditable(field, settings);
    if (!notEditable.isEmpty())
        return notEditable;
    DataSet changed = data;
    QString problem;
    if (field.isText()) {
        problem = editText(changed, field, value, settings);
    } else {
        switch (field.kind()) {
        case FieldKind::SourceCode:
            problem = editSourceCode(changed, field, value, settings);
            break;
        case FieldKind::ListPosition:
            problem = editListPosition(changed, field, value, lists);
            break;
        case FieldKind::GroupMember:
            problem = editGroupMember(changed, field, value);
            break;
        case FieldKind::GpioCode:
            problem = editGpioCode(changed, field, value, lists);
            break;
        default: {
            int flag = 0;
            if (!readInteger(value, flag) || (flag != 0 && flag != 1))
                problem = QStringLiteral("a flag is 0 or 1");
            else
                field.setValue(changed, static_cast<qint16>(flag));
            break;
        }
        }
    }
    if (problem.isEmpty())
        data = changed;
    return problem;
}

QString StatusTextProblem(const QString& text)
{
    const QString refused = refusedCharacter(text, isLineCharacter);
    if (!refused.isEmpty())
        return refused + QStringLiteral(" in a status text");
    if (text.size() > kStatusTextLength)
        return QStringLiteral("at most %1 characters").arg(kStatusTextLength);
    return {};
}

QString AcuVersionProblem(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("no version given");
    if (text.size() > kAcuVersionLength || std::any_of(text.begin(), text.end(), [](QChar c) {
            return FilterDigitKey(c.unicode()) == 0 || c < u' ';
        }))
        return QStringLiteral("one to %1 digits").arg(kAcuVersionLength);
    return {};
}
