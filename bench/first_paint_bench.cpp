#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "child_process.hpp"

// The desktop program from its start to its first window's first paint, beside a bare Qt Widgets
// window built the same way (the reference its start-up is measured against) and the same window
// showing one line of text (what finding and loading a font alone adds). All three run with
// first_paint_probe preloaded, which ends them after that paint, in an empty scratch folder (so the
// program reads no settings file), on the display in DISPLAY (or offscreen when there is none). The
// time is the child's processor time, the clock time a counter.

namespace kestrova::bench {
namespace {

std::vector<std::string> Environment(const std::filesystem::path& folder) {
    std::vector<std::string> environment = {"LD_PRELOAD=" KESTROVA_FIRST_PAINT_PROBE, "LC_ALL=C",
                                            "HOME=" + folder.string()};
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr) {
        environment.push_back(std::string("DISPLAY=") + display);
    } else {
        environment.emplace_back("QT_QPA_PLATFORM=offscreen");
    }
    return environment;
}

void RunToFirstPaint(benchmark::State& loop, const std::string& program) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "kestrova-first-paint";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    const std::vector<std::string> environment = Environment(folder);
    double wall = 0.0;
    for (auto _ : loop) {
        const ChildCost cost = RunChild(program, {}, environment);
        if (!cost.succeeded) {
            loop.SkipWithError("the program did not end after its first paint");
            return;
        }
        loop.SetIterationTime(cost.cpuSeconds);
        wall += cost.wallSeconds;
    }
    loop.counters["wall_ms"] = 1e3 * wall / static_cast<double>(loop.iterations());
}

void BM_BareWindow(benchmark::State& loop) {
    RunToFirstPaint(loop, KESTROVA_BARE_WINDOW);
}

void BM_LabelWindow(benchmark::State& loop) {
    RunToFirstPaint(loop, KESTROVA_LABEL_WINDOW);
}

void BM_Kestrova(benchmark::State& loop) {
    RunToFirstPaint(loop, KESTROVA_APP);
}

BENCHMARK(BM_BareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LabelWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Kestrova)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace kestrova::bench
