#include <benchmark/benchmark.h>

#include <chrono>

#include "analyses/performance_table.hpp"
#include "model/calculate.hpp"
#include "model/start_up_state.hpp"

namespace kestrova {
namespace {

using Clock = std::chrono::steady_clock;

// The state after "Calculate" on the main window's start-up races.
ModelState CalculatedStartUpState(MainFormInputs& form) {
    ModelState state = StartUpState(form);
    LineBuffer picture;
    RecordingNotifier notifier;
    Calculate(state, form, picture, notifier);
    state.calculated = 1;
    return state;
}

// One table of the kind with the window's default columns, written as the window shows it.
void RunTable(benchmark::State& loop, PerformanceTableKind kind) {
    MainFormInputs form;
    ModelState state = CalculatedStartUpState(form);
    const PerformanceTableRequest request{kind, kind == PerformanceTableKind::General ? "60" : "20",
                                          "5", "100"};
    for (auto _ : loop) {
        RecordingNotifier notifier;
        LineBuffer window;
        const auto table = GeneratePerformanceTable(state, request, form, notifier);
        WritePerformanceTable(*table, window);
        benchmark::DoNotOptimize(window.Lines().data());
    }
}

void BM_GeneralPerformanceTable(benchmark::State& loop) {
    RunTable(loop, PerformanceTableKind::General);
}
void BM_TimesByAgeTable(benchmark::State& loop) {
    RunTable(loop, PerformanceTableKind::TimesByAge);
}
void BM_IndividualPerformanceTable(benchmark::State& loop) {
    RunTable(loop, PerformanceTableKind::Individual);
}

// The individual table against one Calculate of the same runner, timed alternately so that both
// see the same machine load; the counter "tableToCalculate" is their ratio.
void BM_IndividualTableToCalculate(benchmark::State& loop) {
    MainFormInputs form;
    ModelState state = CalculatedStartUpState(form);
    const PerformanceTableRequest request{PerformanceTableKind::Individual, "20", "5", "100"};
    Clock::duration calculating{};
    Clock::duration tabling{};
    for (auto _ : loop) {
        LineBuffer picture;
        RecordingNotifier notifier;
        MainFormInputs inputs = form;
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(Calculate(state, inputs, picture, notifier));
        const Clock::time_point calculated = Clock::now();
        benchmark::DoNotOptimize(GeneratePerformanceTable(state, request, form, notifier));
        tabling += Clock::now() - calculated;
        calculating += calculated - start;
    }
    loop.counters["tableToCalculate"] = std::chrono::duration<double>(tabling).count() /
                                        std::chrono::duration<double>(calculating).count();
}

BENCHMARK(BM_GeneralPerformanceTable);
BENCHMARK(BM_TimesByAgeTable);
BENCHMARK(BM_IndividualPerformanceTable);
BENCHMARK(BM_IndividualTableToCalculate);

}  // namespace
}  // namespace kestrova
