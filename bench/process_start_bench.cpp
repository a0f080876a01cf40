#include <benchmark/benchmark.h>

#include "child_process.hpp"

// kestrova-cli started as a process, beside a plain C++ program built the same way. The time
// reported is the child's processor time (user and system), the clock time a counter.

namespace kestrova::bench {
namespace {

void RunProcess(benchmark::State& loop, const std::string& program,
                const std::vector<std::string>& args) {
    double wall = 0.0;
    for (auto _ : loop) {
        const ChildCost cost = RunChild(program, args, {"LC_ALL=C"});
        if (!cost.succeeded) {
            loop.SkipWithError("the program failed");
            return;
        }
        loop.SetIterationTime(cost.cpuSeconds);
        wall += cost.wallSeconds;
    }
    loop.counters["wall_ms"] = benchmark::Counter(
        1e3 * wall / static_cast<double>(loop.iterations()), benchmark::Counter::kDefaults);
}

void BM_BareMain(benchmark::State& loop) {
    RunProcess(loop, KESTROVA_BARE_MAIN, {});
}

void BM_CliTable(benchmark::State& loop) {
    RunProcess(loop, KESTROVA_CLI, {"table", "--settings", KESTROVA_START_UP_SETTINGS});
}

void BM_CliSlopes(benchmark::State& loop) {
    RunProcess(loop, KESTROVA_CLI, {"slopes"});
}

void BM_CliGraphSvg(benchmark::State& loop) {
    RunProcess(loop, KESTROVA_CLI,
               {"graph", "--settings", KESTROVA_START_UP_SETTINGS, "--svg", "/dev/null"});
}

BENCHMARK(BM_BareMain)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliTable)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliSlopes)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliGraphSvg)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrova::bench
