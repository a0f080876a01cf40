#include <benchmark/benchmark.h>

#include "model/calculate.hpp"
#include "model/pace_model.hpp"
#include "model/record_curve.hpp"

namespace kestrova {
namespace {

// A whole "Calculate" on the main window's start-up races, table printing included.
void RunCalculate(benchmark::State& loop, bool bestTwo) {
    ModelState state;
    ApplyStartUpValues(state);
    MainFormInputs form;
    if (bestTwo) {
        SelectFitBestTwo(form);
    }
    for (auto _ : loop) {
        LineBuffer picture;
        RecordingNotifier notifier;
        MainFormInputs inputs = form;
        benchmark::DoNotOptimize(Calculate(state, inputs, picture, notifier));
    }
}

void BM_CalculateUseAllData(benchmark::State& loop) {
    RunCalculate(loop, false);
}
void BM_CalculateFitBestTwo(benchmark::State& loop) {
    RunCalculate(loop, true);
}

void BM_ModelTime(benchmark::State& loop) {
    ModelState state;
    ApplyStartUpValues(state);
    MainFormInputs form;
    LineBuffer picture;
    RecordingNotifier notifier;
    Calculate(state, form, picture, notifier);
    double distance = 10000.0;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(distance);
        benchmark::DoNotOptimize(ModelTime(state.anaerobicEnergy, state.aerobicPower, state.refDist,
                                           distance, state.fadeCoef, state.timeOffset));
    }
}

void BM_TimeAtLevelSolve(benchmark::State& loop) {
    ModelState state;
    ApplyStartUpValues(state);
    double level = 0.8;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(level);
        benchmark::DoNotOptimize(TimeAtLevel(state, "m", 0.0, 10000.0, level));
    }
}

BENCHMARK(BM_CalculateUseAllData);
BENCHMARK(BM_CalculateFitBestTwo);
BENCHMARK(BM_ModelTime);
BENCHMARK(BM_TimeAtLevelSolve);

}  // namespace
}  // namespace kestrova
