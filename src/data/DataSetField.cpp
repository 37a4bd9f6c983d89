#include "DataSetField.h"

#include "DataSet.h"

#include <QHash>

namespace {

QString lookupKey(const QString& name)
{
    QString key;
    for (QChar c : name) {
        if (!c.isSpace())
            key += c.toUpper();
    }
    return key;
}

} // namespace

QString DataSetField::name() const
{
    QString text = m_family;
    if (m_position == 0)
        return text;
    text += QLatin1Char('(');
    if (m_part > 0) {
        text += m_letterPart ? QString(QChar(u'A' + m_part - 1)) : QString::number(m_part);
        text += QLatin1Char(',');
    }
    return text + QString::number(m_position) + QLatin1Char(')');
}

// Builds the table; `at` gives the field inside a data set, const or not.
struct DataSetFieldFactory
{
    std::vector<DataSetField> fields;
    QLatin1StringView group;
    const DataSet shape{}; // sizes the text and list fields

    DataSetField& add(const char* family, FieldKind kind, int part, int position)
    {
        DataSetField& f = fields.emplace_back();
        f.m_family = QLatin1StringView(family);
        f.m_group = group;
        f.m_kind = kind;
        f.m_part = part;
        f.m_position = position;
        return f;
    }

    template <typename At> void text(const char* family, FieldKind kind, int part, int position, At at)
    {
        DataSetField& f = add(family, kind, part, position);
        f.m_length = int(at(shape).bytes.size());
        f.m_raw = [at](const DataSet& d) { return at(d).raw(); };
        f.m_setText = [at](DataSet& d, const QString& t) { at(d).set(t); };
    }

    template <typename At> void integer(const char* family, FieldKind kind, int part, int position, At at)
    {
        DataSetField& f = add(family, kind, part, position);
        f.m_value = [at](const DataSet& d) { return at(d); };
        f.m_setValue = [at](DataSet& d, qint16 v) { at(d) = v; };
    }

    // A one-index array: positions 1 ... N.
    template <typename Member> void list(const char* family, FieldKind kind, Member member)
    {
        const int count = int((shape.*member).size());
        for (int i = 0; i < count; ++i)
            integer(
                family, kind, 0, i + 1, [ member, i ](auto& d) -> auto& { return (d.*member)[i]; });
    }

    std::vector<DataSetField> build();
};

std::vector<DataSetField> DataSetFieldFactory::build()
{
    using K = FieldKind;
    group = QLatin1StringView("Version");
    text(
        "DataVersion", K::Version, 0, 0, [](auto& d) -> auto& { return d.DataVersion; });

    group = QLatin1StringView("Names");
    for (int p = 0; p < DataSet::Parts; ++p)
        for (int n = 0; n < DataSet::SlotsPerPart; ++n)
            text(
                "InputName", K::SignalName, p + 1, n + 1,
                [ p, n ](auto& d) -> auto& { return d.InputName[p][n]; });

    group = QLatin1StringView("Layers");
    for (int layer = 0; layer < 8; ++layer) {
        for (int n = 0; n < 8; ++n) {
            integer(
                "LayerAssign", K::SourceCode, layer + 1, n + 1,
                [ layer, n ](auto& d) -> auto& { return d.LayerAssign[layer][n]; });
            fields.back().m_letterPart = true;
        }
    }

    group = QLatin1StringView("Outputs");
    for (int p = 0; p < DataSet::Parts; ++p)
        for (int n = 0; n < DataSet::SlotsPerPart; ++n)
            integer(
                "OutputPickoff", K::ListPosition, p + 1, n + 1,
                [ p, n ](auto& d) -> auto& { return d.OutputPickoff[p][n]; });

    group = QLatin1StringView("Monitor");
    list("MonMode", K::GroupMember, &DataSet::MonMode);
    integer(
        "MonChannel", K::ListPosition, 0, 0, [](auto& d) -> auto& { return d.MonChannel; });
    list("MonPickoff", K::GroupMember, &DataSet::MonPickoff);
    list("PeakPickoff", K::ListPosition, &DataSet::PeakPickoff);
    list("ExtMon", K::ListPosition, &DataSet::ExtMon);

    group = QLatin1StringView("GPIO");
    list("GpioInput", K::GpioCode, &DataSet::GpioInput);
    list("GpioOutput", K::GpioCode, &DataSet::GpioOutput);

    group = QLatin1StringView("ESAM");
    list("ControlMode", K::GroupMember, &DataSet::ControlMode);
    list("VTRSource1", K::SourceCode, &DataSet::VTRSource1);
    list("VTRSource2", K::SourceCode, &DataSet::VTRSource2);
    integer(
        "EsamFrames", K::ListPosition, 0, 0, [](auto& d) -> auto& { return d.EsamFrames; });
    integer(
        "EsamChannels", K::ListPosition, 0, 0, [](auto& d) -> auto& { return d.EsamChannels; });

    group = QLatin1StringView("Configurations");
    list("ConfigFlag1", K::Flag, &DataSet::ConfigFlag1);
    list("ConfigFlag2", K::Flag, &DataSet::ConfigFlag2);
    for (int i = 0; i < 8; ++i)
        text(
            "ConfigFile", K::Path, 0, i + 1, [i](auto& d) -> auto& { return d.ConfigFile[i]; });
    text(
        "ConfigGroupFile", K::Path, 0, 0, [](auto& d) -> auto& { return d.ConfigGroupFile; });
    integer(
        "StartUpConf", K::ListPosition, 0, 0, [](auto& d) -> auto& { return d.StartUpConf; });
    for (int i = 0; i < 8; ++i)
        text(
            "ConfigName", K::ConfigName, 0, i + 1, [i](auto& d) -> auto& { return d.ConfigName[i]; });

    group = QLatin1StringView("Fader box");
    list("FaderBoxInput", K::GpioCode, &DataSet::FaderBoxInput);
    list("FaderBoxOutput", K::GpioCode, &DataSet::FaderBoxOutput);
    return std::move(fields);
}

const std::vector<DataSetField>& DataSetFields()
{
    static const std::vector<DataSetField> fields = DataSetFieldFactory().build();
    return fields;
}

const DataSetField* FindDataSetField(const QString& name)
{
    static const QHash<QString, const DataSetField*> byName = [] {
        QHash<QString, const DataSetField*> index;
        for (const DataSetField& field : DataSetFields())
            index.insert(lookupKey(field.name()), &field);
        return index;
    }();
    return byName.value(lookupKey(name), nullptr);
}
