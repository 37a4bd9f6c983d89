// CPU time of a ten-second wait for an answer that never comes.
#include "LinkBench.h"

#include <ctime>

static void BM_TenSecondWaitForAnswerThatNeverComes(benchmark::State& state)
{
    LinkBench bench({QStringLiteral("--silent")}, 10, 500);
    if (!bench.ready) {
        state.SkipWithError("no link to the simulator");
        return;
    }
    for (auto _ : state) {
        bench.link->TransmitData("\x80\r");
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpuStart = std::clock();
        benchmark::DoNotOptimize(bench.link->WaitForResponse(QStringLiteral("81")));
        const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        state.counters["wall_ms"] = double(wall.elapsed());
        state.counters["cpu_ms"] = cpuMs;
        state.counters["cpu_percent_of_core"] = 100.0 * cpuMs / double(wall.elapsed());
    }
}
BENCHMARK(BM_TenSecondWaitForAnswerThatNeverComes)->Iterations(1)->Unit(benchmark::kMillisecond);

ZEL_BENCH_MAIN()
