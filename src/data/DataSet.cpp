#include "DataSet.h"

#include <QtEndian>

namespace {

// Walks every field in file order; the one place the layout is written down.
template <typename Record, typename TextFn, typename IntFn>
void forEachField(Record& d, TextFn&& text, IntFn&& integer)
{
    text(d.DataVersion);
    for (auto& part : d.InputName)
        for (auto& name : part)
            text(name);
    for (auto& layer : d.LayerAssign)
        for (auto& v : layer)
            integer(v);
    for (auto& part : d.OutputPickoff)
        for (auto& v : part)
            integer(v);
    for (auto& v : d.MonMode)
        integer(v);
    integer(d.MonChannel);
    for (auto& v : d.MonPickoff)
        integer(v);
    for (auto& v : d.PeakPickoff)
        integer(v);
    for (auto& v : d.ExtMon)
        integer(v);
    for (auto& v : d.GpioInput)
        integer(v);
    for (auto& v : d.GpioOutput)
        integer(v);
    for (auto& v : d.ControlMode)
        integer(v);
    for (auto& v : d.VTRSource1)
        integer(v);
    for (auto& v : d.VTRSource2)
        integer(v);
    integer(d.EsamFrames);
    integer(d.EsamChannels);
    for (auto& v : d.ConfigFlag1)
        integer(v);
    for (auto& v : d.ConfigFlag2)
        integer(v);
    for (auto& path : d.ConfigFile)
        text(path);
    text(d.ConfigGroupFile);
    integer(d.StartUpConf);
    for (auto& name : d.ConfigName)
        text(name);
    for (auto& v : d.FaderBoxInput)
        integer(v);
    for (auto& v : d.FaderBoxOutput)
        integer(v);
}

} // namespace

QByteArray DataSet::toBytes() const
{
    QByteArray out;
    out.reserve(FileSize);
    forEachField(
        *this, [&](const auto& field) { out.append(field.bytes.data(), field.bytes.size()); },
        [&](qint16 v) {
            char le[2];
            qToLittleEndian(v, le);
            out.append(le, 2);
        });
    return out;
}

void DataSet::fromBytes(const QByteArray& image)
{
    qsizetype pos = 0;
    const qsizetype end = qMin<qsizetype>(image.size(), FileSize);
    forEachField(
        *this,
        [&](auto& field) {
            for (auto& b : field.bytes)
                if (pos < end)
                    b = image.at(pos++);
        },
        [&](qint16& v) {
            if (pos + 2 <= end) {
                v = qFromLittleEndian<qint16>(image.constData() + pos);
                pos += 2;
            }
        });
}
