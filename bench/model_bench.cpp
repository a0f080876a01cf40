#include <benchmark/benchmark.h>

#include <string>

#include "model/calculate.hpp"
#include "model/input_stage.hpp"
#include "model/pace_model.hpp"
#include "model/record_curve.hpp"
#include "model/start_up_state.hpp"

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

// The level solve with age grading on, for a man of `age` at a 5 km level of 80 %: at 35 the
// stepping loop ends on the level, at 75 and 95 its passes swing and the bracketed search ends it.
void BM_TimeAtLevelSolveAgeGraded(benchmark::State& loop) {
    ModelState state;
    ApplyStartUpValues(state);
    state.agecomp = 1;
    state.age = static_cast<double>(loop.range(0));
    double level = 0.8;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(level);
        benchmark::DoNotOptimize(TimeAtLevel(state, "m", 0.0, 5000.0, level));
    }
}

// The longest races Calculate accepts, five of them close together in distance, entered fastest
// first: the pair search's passes grow with the distance, so this is its slowest accepted input.
void BM_CalculateFiveLongestRaces(benchmark::State& loop, double metersPerSecond, double spacing,
                                  double slowing) {
    MainFormInputs form;
    for (std::size_t row = 0; row < kRaceRowCount; ++row) {
        const double meters = kLongestRaceMeters - spacing * static_cast<double>(4 - row);
        RaceRowInputs& r = form.rows[row];
        r.Check1 = 1;
        r.Text1 = "0";
        r.Text2 = "0";
        r.Text3 = std::to_string(meters / (metersPerSecond - slowing * static_cast<double>(row)));
        r.Text4 = std::to_string(meters);
        r.SelectUnit(DistanceUnit::Meters);
    }
    ModelState state = StartUpState(form);
    for (auto _ : loop) {
        LineBuffer picture;
        RecordingNotifier notifier;
        MainFormInputs inputs = form;
        benchmark::DoNotOptimize(Calculate(state, inputs, picture, notifier));
    }
}
BENCHMARK_CAPTURE(BM_CalculateFiveLongestRaces, slow_and_close, 0.6, 10.0, 0.01)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalculateFiveLongestRaces, brisk_and_close, 3.0, 10.0, 0.01)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalculateFiveLongestRaces, brisk_and_alike, 4.5, 1.0, 0.00001)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalculateFiveLongestRaces, fast_and_alike, 6.0, 1.0, 0.00001)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalculateFiveLongestRaces, faster_and_alike, 8.0, 1.0, 0.00001)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalculateFiveLongestRaces, fast_and_spread, 5.0, 20000.0, 0.1)
    ->Unit(benchmark::kMillisecond);
// The slowest input Calculate accepts: five races of about 300 km, 1 cm apart, at nearly equal
// speeds (about 13.9 million passes of the pair search).
BENCHMARK_CAPTURE(BM_CalculateFiveLongestRaces, worst_accepted_input, 4.5, 0.01, 0.00001)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_CalculateUseAllData);
BENCHMARK(BM_CalculateFitBestTwo);
BENCHMARK(BM_ModelTime);
BENCHMARK(BM_TimeAtLevelSolve);
BENCHMARK(BM_TimeAtLevelSolveAgeGraded)->Arg(35)->Arg(75)->Arg(95);

}  // namespace
}  // namespace kestrova
