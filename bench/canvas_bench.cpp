#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "app/text_canvas.hpp"
#include "model/calculate.hpp"
#include "model/start_up_state.hpp"

namespace kestrova {
namespace {

// A canvas that shows every write at once, as the canvas did before it collected a handler's
// writes: the figure to compare with.
class RefreshingCanvas : public TextCanvas {
  public:
    void Write(std::string_view text) override {
        TextCanvas::Write(text);
        Flush();
    }
    void MoveToColumn(int column) override {
        TextCanvas::MoveToColumn(column);
        Flush();
    }
    void EndLine() override {
        TextCanvas::EndLine();
        Flush();
    }
};

// 30 rows of 9 ten-character columns, the size of the larger table windows.
void FillTable(TextSink& sink) {
    for (int row = 0; row < 30; ++row) {
        sink.Write("  row " + std::to_string(row));
        for (int column = 0; column < 9; ++column) {
            sink.MoveToColumn(12 + 10 * column);
            sink.Write("   1:23:45");
        }
        sink.EndLine();
    }
}

template <typename Canvas>
void BM_CanvasTable30x9(benchmark::State& loop) {
    Canvas canvas;
    canvas.resize(900, 500);
    for (auto _ : loop) {
        canvas.Clear();
        FillTable(canvas);
        canvas.Flush();
    }
}
BENCHMARK(BM_CanvasTable30x9<TextCanvas>)
    ->Name("BM_CanvasTable30x9")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasTable30x9<RefreshingCanvas>)
    ->Name("BM_CanvasTable30x9_RefreshEveryWrite")
    ->Unit(benchmark::kMillisecond);

// What a click on "Calculate" costs until the table is painted: the run onto a shown canvas, its
// refresh and an immediate repaint.
template <typename Canvas>
void BM_CalculateClickToPainted(benchmark::State& loop) {
    Canvas canvas;
    canvas.resize(900, 300);
    canvas.show();
    const MainFormInputs form;
    ModelState state = StartUpState(form);
    for (auto _ : loop) {
        MainFormInputs inputs = form;
        RecordingNotifier notifier;
        Calculate(state, inputs, canvas, notifier);
        canvas.Flush();
        canvas.viewport()->repaint();
    }
}
BENCHMARK(BM_CalculateClickToPainted<TextCanvas>)
    ->Name("BM_CalculateClickToPainted")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateClickToPainted<RefreshingCanvas>)
    ->Name("BM_CalculateClickToPainted_RefreshEveryWrite")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
