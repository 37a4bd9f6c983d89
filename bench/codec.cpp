// Encoding and decoding of the data-set payload in the default layout
// (T = 8, F = 16, names 12, 4, 4, 4, 8, outputs 4 x 5), and its checksum.

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "Clock.h"
#include "ConfigCollection.h"
#include "DataContext.h"
#include "DataSet.h"
#include "LinkChecksum.h"
#include "MessageTexts.h"
#include "SelectorLists.h"
#include "TransferDecoding.h"
#include "TransferEncoding.h"
#include "TransferLayout.h"
#include "NoWindows.h"

#include <benchmark/benchmark.h>

namespace {

EntryList numbered(const QString& prefix, int firstCode, int count)
{
    EntryList list;
    for (int i = 0; i < count; ++i)
        list.append({prefix + QString::number(i), firstCode + i});
    return list;
}

struct DefaultSetup
{
    DefaultSetup()
    {
        for (auto& part : lists.cmbAbgriffOutput)
            part.fill(numbered(QStringLiteral("Pick "), 10000, 24));
        lists.cmbKanal = numbered(QStringLiteral("Channel "), 11000, 16);
        lists.cmbAbgriffPeak.fill(numbered(QStringLiteral("Peak "), 12000, 16));
        lists.cmbExtMon.fill(numbered(QStringLiteral("Key "), 13000, 16));
        lists.cmbFrames = {{QStringLiteral("25 frames"), 25}, {QStringLiteral("30 frames"), 30}};
        lists.cmbChannels = {{QStringLiteral("2"), 2}, {QStringLiteral("4"), 1}};
        lists.cmbStartUpConf = numbered(QStringLiteral("Snap "), 0, 9);
        for (int k = 0; k < 32; ++k) {
            lists.lstData[0].append({QStringLiteral("%1|IN %1").arg(k + 1), 100 + k});
            lists.lstData[1].append({QStringLiteral("%1|OUT %1").arg(k + 1), 100 + k});
        }
        for (int p = 0; p < 5; ++p) {
            for (int n = 0; n < 64; ++n) {
                data.InputName[p][n].set(QStringLiteral("IN%1-%2").arg(p + 1).arg(n + 1));
                data.OutputPickoff[p][n] = static_cast<qint16>(n % 24);
            }
        }
        for (int layer = 0; layer < 8; ++layer)
            for (int n = 0; n < 8; ++n)
                data.LayerAssign[layer][n] = static_cast<qint16>(1000 + 8 * layer + n);
        data.MonMode = {0, 1, 0, 0};
        data.MonPickoff = {1, 0, 0};
        data.ControlMode = {0, 0, 1};
        for (int k = 0; k < 8; ++k)
            data.GpioInput[k] = static_cast<qint16>(100 + 3 * k); // the late ones are found late
        for (int k = 0; k < 16; ++k)
            data.GpioOutput[k] = static_cast<qint16>(100 + 2 * k);
        for (int k = 0; k < 9; ++k) {
            data.VTRSource1[k] = static_cast<qint16>(1000 + k);
            data.FaderBoxInput[k] = static_cast<qint16>(131 - k);
            data.FaderBoxOutput[k] = static_cast<qint16>(100 + k);
        }
        for (int k = 0; k < 8; ++k) {
            data.ConfigName[k].set(QStringLiteral("SNAP%1").arg(k + 1));
            data.ConfigFlag1[k] = k % 2;
        }
        QString error;
        payload = EncodeDataSetPayload(data, layout, lists, 1, error);
    }

    TransferLayout layout; // the default counts
    SelectorLists lists;
    DataSet data;
    QByteArray payload;
};

const DefaultSetup& setup(benchmark::State& state)
{
    static const DefaultSetup s;
    if (s.payload.size() != 2 * 978)
        state.SkipWithError("the default data set did not encode");
    return s;
}

void EncodeDefaultDataSet(benchmark::State& state)
{
    const DefaultSetup& s = setup(state);
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeDataSetPayload(s.data, s.layout, s.lists, 1, error));
    state.SetBytesProcessed(state.iterations() * s.payload.size());
}
BENCHMARK(EncodeDefaultDataSet);

void DecodeDefaultDataSet(benchmark::State& state)
{
    const DefaultSetup& s = setup(state);
    DataSet target;
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeDataSetPayload(s.payload, s.layout, s.lists, target));
    state.SetBytesProcessed(state.iterations() * s.payload.size());
}
BENCHMARK(DecodeDefaultDataSet);

// The whole reception of a data-set frame: the digit check, the decoding into a
// copy of the reset image and its taking over.
void ReceiveDefaultDataSet(benchmark::State& state)
{
    const DefaultSetup& s = setup(state);
    AppSettings settings;
    const SystemClock clock;
    MessageTexts messages(QString(), QStringLiteral("GER"));
    AppLog log(clock, QString(), QStringLiteral("bench"), true);
    log.setToFileDisabled(true);
    NoWindows ui;
    AppContext app{settings, messages, log, ui, clock};
    ConfigurationData data;
    DataContext ctx{app, data};
    ConfigCollection collect;
    for (auto _ : state)
        benchmark::DoNotOptimize(InterpretHexData(ctx, s.lists, collect, s.payload));
    state.SetBytesProcessed(state.iterations() * s.payload.size());
}
BENCHMARK(ReceiveDefaultDataSet);

void ChecksumDefaultPayload(benchmark::State& state)
{
    const DefaultSetup& s = setup(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(LinkChecksum(s.payload));
    state.SetBytesProcessed(state.iterations() * s.payload.size());
}
BENCHMARK(ChecksumDefaultPayload);

} // namespace

BENCHMARK_MAIN();
