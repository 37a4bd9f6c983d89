#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <functional>
#include <vector>

struct DataSet;

// What a field of the data set holds, which decides how it is shown and which
// rule an edit of it follows.
enum class FieldKind
{
    Version,      // DataVersion: written as "2.1" on every save
    SignalName,   // InputName: a name of the signal names page
    SourceCode,   // LayerAssign, VTRSource1/2: the source code of an assigned signal
    ListPosition, // OutputPickoff, MonChannel, PeakPickoff, ExtMon, EsamFrames, EsamChannels, StartUpConf
    GroupMember,  // MonMode, MonPickoff, ControlMode: one check state of a radio group
    GpioCode,     // GpioInput/Output, FaderBoxInput/Output: a GPIO channel code
    Flag,         // ConfigFlag1/2: a snapshot toggle, 0 or 1
    Path,         // ConfigFile, ConfigGroupFile: a configuration file path
    ConfigName,   // ConfigName: the short name of a configuration slot
};

// One field of the data set as it is stored in a data file: a text of fixed
// length or one 16-bit integer, named as the data set names it, with its part
// (or layer) and position, both 1-based. "InputName(1,3)" is name 3 of part 1,
// "LayerAssign(B,4)" position 4 of layer B, "ExtMon(2)" the second external
// monitor key, "MonChannel" a field on its own.
class DataSetField
{
public:
    QString name() const;
    QLatin1StringView family() const { return m_family; } // "InputName"
    QLatin1StringView group() const { return m_group; }   // "Names", "Layers", ...
    int part() const { return m_part; }                   // 0 when the field has at most one index
    int position() const { return m_position; }           // 0 for a field on its own
    FieldKind kind() const { return m_kind; }
    bool isText() const { return m_length > 0; }
    int length() const { return m_length; } // characters of a text field, 0 for an integer

    QByteArray raw(const DataSet& data) const { return m_raw(data); }
    void setText(DataSet& data, const QString& text) const { m_setText(data, text); }
    qint16 value(const DataSet& data) const { return m_value(data); }
    void setValue(DataSet& data, qint16 value) const { m_setValue(data, value); }

private:
    friend struct DataSetFieldFactory;

    QLatin1StringView m_family;
    QLatin1StringView m_group;
    int m_part = 0;
    int m_position = 0;
    bool m_letterPart = false;
    FieldKind m_kind = FieldKind::Version;
    int m_length = 0;
    std::function<QByteArray(const DataSet&)> m_raw;
    std::function<void(DataSet&, const QString&)> m_setText;
    std::function<qint16(const DataSet&)> m_value;
    std::function<void(DataSet&, qint16)> m_setValue;
};

// Every field of the data set in the order of the data file (818 fields).
const std::vector<DataSetField>& DataSetFields();
// The field of that name: letter case and blanks do not matter ("inputname(1, 3)"
// finds "InputName(1,3)"). Null when there is none.
const DataSetField* FindDataSetField(const QString& name);
