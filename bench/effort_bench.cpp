#include <benchmark/benchmark.h>

#include "analyses/effort_model.hpp"
#include "analyses/power_table.hpp"
#include "analyses/slope_table.hpp"
#include "analyses/treadmill_table.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

void BM_PowerTable(benchmark::State& loop) {
    for (auto _ : loop) {
        LineBuffer sink;
        ShowPowerTable(72.7, PaceUnit::Mile, sink);
        benchmark::DoNotOptimize(sink.Lines().data());
    }
}

// The range the window opens with, and the steepest.
void BM_SlopeTable(benchmark::State& loop) {
    const SlopeTableSettings settings{static_cast<int>(loop.range(0)), 1, PaceUnit::Mile};
    for (auto _ : loop) {
        LineBuffer sink;
        ShowSlopeTable(settings, sink);
        benchmark::DoNotOptimize(sink.Lines().data());
    }
}

void BM_TreadmillTable(benchmark::State& loop) {
    for (auto _ : loop) {
        LineBuffer sink;
        ShowTreadmillTable(PaceUnit::Mile, sink);
        benchmark::DoNotOptimize(sink.Lines().data());
    }
}

// One equal-effort speed: 7:00 per mile on a 6 % climb.
void BM_SlopeSpeedForEffort(benchmark::State& loop) {
    const double flat = 1609.344 / 420.0;
    for (auto _ : loop) {
        double slope = 0.06;
        benchmark::DoNotOptimize(slope);
        benchmark::DoNotOptimize(SlopeSpeedForEffort(slope, flat));
    }
}

BENCHMARK(BM_PowerTable);
BENCHMARK(BM_SlopeTable)->Arg(2)->Arg(4);
BENCHMARK(BM_TreadmillTable);
BENCHMARK(BM_SlopeSpeedForEffort);

}  // namespace
}  // namespace kestrova
