#include <benchmark/benchmark.h>

#include "analyses/hill_course.hpp"
#include "analyses/pacing_strategy.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

// The age-35 men's curve the pacing strategy tests use.
ModelState ExampleCurve() {
    ModelState state;
    state.anaerobicEnergy = 230000;
    state.aerobicPower = 1198;
    state.refDist = 5000;
    state.fadeCoef = 0.065;
    state.timeOffset = 3;
    return state;
}

// 10 km on a constant slope of +0.05 (argument 5) or -0.05 (argument -5).
void BM_SolveConstantSlope(benchmark::State& loop) {
    ModelState state = ExampleCurve();
    for (auto _ : loop) {
        double slope = static_cast<double>(loop.range(0)) / 100.0;
        benchmark::DoNotOptimize(SolveConstantSlope(state, slope, 10000.0));
    }
}

// The uneven-splits table (argument 0) and the half up/half down table at 0.05 (argument 1) for
// 10 km, from the curve's constants to the printed lines.
void BM_PacingTable(benchmark::State& loop) {
    ModelState state = ExampleCurve();
    const PacingCourse course =
        loop.range(0) == 0 ? PacingCourse::UnevenSplits : PacingCourse::HalfUpHalfDown;
    for (auto _ : loop) {
        LineBuffer sink;
        const SplitCurve curve = ComputeSplitCurve(state, 10000.0);
        PrintPacingTable(ComputePacingTable(curve, course, 0.05, 10000.0), PaceUnit::Mile, sink);
        benchmark::DoNotOptimize(sink.Lines().data());
    }
}

BENCHMARK(BM_SolveConstantSlope)->Arg(5)->Arg(-5);
BENCHMARK(BM_PacingTable)->Arg(0)->Arg(1);

}  // namespace
}  // namespace kestrova
