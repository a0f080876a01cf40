#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <array>

#include "model/calculate.hpp"
#include "model/start_up_state.hpp"
#include "output/pace_graph.hpp"
#include "painting/canvas_image.hpp"

namespace kestrova {
namespace {

ModelState CalculatedStartUpState() {
    MainFormInputs form;
    ModelState state = StartUpState(form);
    LineBuffer picture;
    RecordingNotifier notifier;
    Calculate(state, form, picture, notifier);
    return state;
}

Canvas DrawnGraph(ModelState& state) {
    Canvas canvas(kGraphWidth, kGraphHeight);
    RecordingNotifier notifier;
    DrawPaceGraph(state, 1000, canvas, notifier);
    return canvas;
}

// The graph of the start-up runner into a display list, per scale (range 0).
void BM_DrawPaceGraph(benchmark::State& loop) {
    ModelState state = CalculatedStartUpState();
    state.graphScale = static_cast<int>(loop.range(0));
    for (auto _ : loop) {
        benchmark::DoNotOptimize(DrawnGraph(state));
    }
}
BENCHMARK(BM_DrawPaceGraph)->DenseRange(1, 4);

// One paint of the log scale's list onto a white image 1000 pixels wide.
void BM_PaintGraphImage(benchmark::State& loop) {
    ModelState state = CalculatedStartUpState();
    const Canvas canvas = DrawnGraph(state);
    const double ratio = 1000.0 / 606.0;  // the 606 pixels of a 96 dpi screen
    for (auto _ : loop) {
        benchmark::DoNotOptimize(CanvasImage(canvas, ratio));
    }
}
BENCHMARK(BM_PaintGraphImage);

}  // namespace
}  // namespace kestrova

// Painting texts needs a Qt application; the offscreen platform needs no display.
int main(int argc, char** argv) {
    std::array<char, 10> platform = {"-platform"};
    std::array<char, 10> offscreen = {"offscreen"};
    std::array<char*, 4> qtArgv = {argv[0], platform.data(), offscreen.data(), nullptr};
    int qtArgc = 3;
    const QGuiApplication application(qtArgc, qtArgv.data());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
