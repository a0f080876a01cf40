#include "model/prediction_table.hpp"

#include <array>

#include "model/number_text.hpp"
#include "model/record_curve.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

struct TableDistance {
    const char* label;
    double meters;
};

constexpr std::array<TableDistance, 9> kMetricDistances{{
    {"     400 m ", 400.0},
    {"     800 m ", 800.0},
    {"    1500 m ", 1500.0},
    {"    1600 m ", 1600.0},
    {"    3000 m ", 3000.0},
    {"    3200 m ", 3200.0},
    {"    5000 m ", 5000.0},
    {"    8000 m ", 8000.0},
    {"   10000 m ", 10000.0},
}};

constexpr std::array<TableDistance, 9> kEnglishDistances{{
    {"     440 yd ", 402.34},
    {"     880 yd ", 804.67},
    {"       1 mi ", 1609.34},
    {"       2 mi ", 3218.69},
    {"       3 mi ", 4828.03},
    {"       5 mi ", 8046.72},
    {"      10 mi ", 16093.44},
    {" half mara. ", 21097.5},
    {"  marathon  ", 42195.0},
}};

void PrintRow(const PredictionRow& row, TextSink& sink) {
    sink.Write(row.label);
    sink.MoveToColumn(15);
    sink.Write(FormatTime(row.prediction.raceTime));
    sink.MoveToColumn(27);
    sink.Write(FormatTime(row.prediction.pacePerMile));
    sink.MoveToColumn(39);
    sink.Write(FormatTime(row.prediction.pacePerKm));
    sink.MoveToColumn(51);
    sink.Write(FormatTime(row.prediction.pacePer400));
    if (row.hasComparison) {
        sink.MoveToColumn(63);
        sink.Write(FormatTime(row.comparisonTime));
        sink.MoveToColumn(78);
        sink.Write(PrintedWholeNumber(row.speedRatio * 100.0));
    }
    sink.MoveToColumn(88);
    sink.Write(PrintedWholeNumber(row.perfLevel * 100.0));
    sink.EndLine();
}

}  // namespace

PredictionRow EvaluatePredictionRow(const FittedCurve& curve, std::string label, double meters,
                                    double level) {
    PredictionRow row;
    row.label = std::move(label);
    row.distance = meters;
    row.prediction = PredictTime(curve, meters);
    const double t = row.prediction.raceTime;
    row.hasComparison = level > 0.0;
    if (row.hasComparison) {
        row.comparisonTime = TimeAtLevel(curve, curve.sex, 0.0, meters, level);
        row.speedRatio = row.comparisonTime / t;
    }
    const double record = TimeAtLevel(curve, curve.sex, 1.0, meters, 1.0);
    row.perfLevel = PerformanceLevelOf(curve, record / t, meters, curve.sex);
    return row;
}

void KeepRowInState(ModelState& state, const PredictionRow& row) {
    state.curDist = row.distance;
    state.perfLevel = row.perfLevel;
}

std::vector<PredictionRow> PrintPredictionTable(ModelState& state, const MainFormInputs& form,
                                                TextSink& sink, Notifier& notifier) {
    const double level = form.HScroll2 / 1000.0;
    if (!(level > 0.0)) {
        notifier.Show(kZeroComparisonLevelMessage);
    }
    sink.Write(kPredictionTableHeader);
    sink.EndLine();
    sink.EndLine();
    const auto& distances = form.Option9 ? kMetricDistances : kEnglishDistances;
    std::vector<PredictionRow> rows;
    for (const TableDistance& distance : distances) {
        rows.push_back(EvaluatePredictionRow(state, distance.label, distance.meters, level));
        KeepRowInState(state, rows.back());
        PrintRow(rows.back(), sink);
    }
    return rows;
}

}  // namespace kestrova
