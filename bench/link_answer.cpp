// Delay between the last byte of a received "85" data frame and the moment its
// "86" answer has gone out, with the receive timer at the given interval.
#include "LinkBench.h"

#include "DataContext.h"
#include "LinkCommands.h"
#include "SelectorLists.h"

static void BM_AnswerDelayAfterDataFrame(benchmark::State& state)
{
    const int interval = int(state.range(0));
    LinkBench bench({QStringLiteral("--pace"), QStringLiteral("19200")}, 10, interval);
    if (!bench.ready) {
        state.SkipWithError("no link to the simulator");
        return;
    }
    ConfigurationData data;
    DataContext dataCtx{*bench.ctx, data};
    SelectorLists lists;
    LinkCommands commands(dataCtx, *bench.link, lists);
    bench.ui.clock.start();

    double total = 0;
    double worst = 0;
    int runs = 0;
    for (auto _ : state) {
        bench.ui.shownAtNs.clear();
        if (!bench.link->TransmitData("\x84"
                                      "20\r") ||
            !bench.link->WaitForResponse(QStringLiteral("85"))) {
            state.SkipWithError("no 85 frame");
            break;
        }
        const qint64 lastByte = bench.ui.clock.nsecsElapsed();
        bench.ui.shownAtNs.remove(QStringLiteral("Comm_TransferDone"));
        while (!bench.ui.shownAtNs.contains(QStringLiteral("Comm_TransferDone")))
            LinkBench::runFor(1);
        const double ms =
            double(bench.ui.shownAtNs.value(QStringLiteral("Comm_TransferDone")) - lastByte) / 1e6;
        total += ms;
        worst = std::max(worst, ms);
        ++runs;
        LinkBench::runFor(50);
    }
    state.counters["timer_interval_ms"] = interval;
    state.counters["mean_delay_ms"] = runs ? total / runs : 0;
    state.counters["worst_delay_ms"] = worst;
    state.counters["worst_over_interval_ms"] = worst - interval;
}
BENCHMARK(BM_AnswerDelayAfterDataFrame)->Arg(500)->Arg(50)->Iterations(5)->Unit(benchmark::kMillisecond);

ZEL_BENCH_MAIN()
