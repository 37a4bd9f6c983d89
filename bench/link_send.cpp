// Sending the default data set to a device paced at 19200 baud and receiving its
// "86" answer, against the wire time of 1958 bytes at 10 bits (1.02 s).
#include "LinkBench.h"

static void BM_SendDataSetAt19200(benchmark::State& state)
{
    LinkBench bench({QStringLiteral("--pace"), QStringLiteral("19200")}, 10, 500);
    if (!bench.ready) {
        state.SkipWithError("no link to the simulator");
        return;
    }
    const QByteArray frame = DefaultSizedDataFrame();
    const double wireMs = frame.size() * 10 * 1000.0 / 19200;
    double worst = 0;
    double total = 0;
    int runs = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        const bool ok = bench.link->TransmitData(frame) && bench.link->WaitForResponse(QStringLiteral("86"));
        const double ms = double(t.nsecsElapsed()) / 1e6;
        if (!ok)
            state.SkipWithError("no 86 answer");
        total += ms;
        worst = std::max(worst, ms);
        ++runs;
        LinkBench::runFor(600); // let the receive timer take the answer
    }
    state.counters["wire_ms"] = wireMs;
    state.counters["mean_ratio"] = total / runs / wireMs;
    state.counters["worst_ratio"] = worst / wireMs;
}
BENCHMARK(BM_SendDataSetAt19200)->Iterations(5)->Unit(benchmark::kMillisecond);

ZEL_BENCH_MAIN()
