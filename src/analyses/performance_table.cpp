#include "analyses/performance_table.hpp"

#include <cmath>

#include "model/headless_calculate.hpp"
#include "model/number_reader.hpp"
#include "model/number_text.hpp"
#include "model/record_curve.hpp"

namespace kestrova {
namespace {

// Passes that bring a synthetic time's age-graded level to the runner's.
constexpr int kLevelMatchPasses = 5;

std::string SexWord(const ModelState& state) {
    return state.sex == "f" ? "Female" : "Male";
}

// The window caption, each rule overriding the one before. `ageGraded` tells whether the record
// times of a general table are graded for the age `age`.
std::string Caption(const ModelState& state, const PerformanceTableRequest& request, bool ageGraded,
                    double age) {
    std::string caption = "Performance Levels (Open " + SexWord(state) + ")";
    if (ageGraded) {
        caption = "Performance Levels (" + SexWord(state) + " Age " + PlainNumberText(age) + ")";
    }
    if (request.kind == PerformanceTableKind::TimesByAge) {
        caption = "Performances by Age (" + SexWord(state) + " Level " + request.level + ")";
    }
    if (request.kind == PerformanceTableKind::Individual) {
        caption = "Predicted Performances at Various Ages";
    }
    return caption;
}

// The (age-graded) performance level of `time` at d.
double LevelOfTime(const FittedCurve& work, double d, double time) {
    const double record = TimeAtLevel(work, work.sex, 1.0, d, 1.0);
    return PerformanceLevelOf(work, record / time, d, work.sex);
}

// The time at d whose age-graded level at the state's age is `level`.
double TimeForLevel(const FittedCurve& work, double d, double level) {
    double time = TimeAtLevel(work, work.sex, 0.0, d, level);
    for (int pass = 0; pass < kLevelMatchPasses; ++pass) {
        time = time * LevelOfTime(work, d, time) / level;
    }
    return time;
}

// The runner's own predictions at each column's age: an 800 m and a 5000 m time that keep the
// runner's current age-graded levels at that age, and the curve through them, headless.
void FillIndividualColumns(ModelState& work, const ModelState& state, const MainFormInputs& form,
                           const std::array<double, kLevelTableColumns>& ages, Notifier& notifier) {
    const double level800 = LevelOfTime(work, 800.0, state.pred800);
    const double level5000 = LevelOfTime(work, 5000.0, state.pred5000);
    MainFormInputs inputs = form;
    for (int c = 0; c < kLevelTableColumns; ++c) {
        work.age = ages[static_cast<std::size_t>(c)];
        const SyntheticRunner runner{TimeForLevel(work, 800.0, level800),
                                     TimeForLevel(work, 5000.0, level5000), c};
        CalculateHeadless(work, inputs, runner, notifier);
    }
}

double TableTime(ModelState& work, const PerformanceTableRequest& request, double column,
                 std::size_t slot, std::size_t c) {
    const double d = work.levelTableDist[slot];
    switch (request.kind) {
        case PerformanceTableKind::General:
            return TimeAtLevel(work, work.sex, 0.0, d, column / 100.0);
        case PerformanceTableKind::TimesByAge:
            work.age = column;
            return TimeAtLevel(work, work.sex, 0.0, d, ReadAsNumber(request.level) / 100.0);
        case PerformanceTableKind::Individual:
            break;
    }
    return work.levelTableTimes[slot][c];
}

bool HasCurrentPredictions(const ModelState& state) {
    const auto usable = [](double t) { return std::isfinite(t) && t > 0.0; };
    return state.calculated != 0 && usable(state.pred800) && usable(state.pred5000);
}

}  // namespace

std::optional<PerformanceTable> GeneratePerformanceTable(ModelState& state,
                                                         const PerformanceTableRequest& request,
                                                         const MainFormInputs& form,
                                                         Notifier& notifier) {
    // Predictions of an earlier run are needed; a run that never completed left none.
    if (request.kind == PerformanceTableKind::Individual && !HasCurrentPredictions(state)) {
        notifier.Show(kMustCalculateFirstMessage);
        return std::nullopt;
    }
    if (const std::optional<std::string> problem = ColumnValueProblem(request)) {
        notifier.Show(*problem);
        return std::nullopt;
    }
    // The tables move the age, the age grading and (for the individual table) the whole fit; they
    // work on a state of their own that starts from the runner's curve, so that the runner's
    // state is exactly as it was afterwards.
    ModelState work;
    static_cast<FittedCurve&>(work) = state;
    work.age = ReadAsNumber(form.txtage);
    work.ageTableFlag = request.kind == PerformanceTableKind::Individual ? 1 : 0;
    work.timesByAgeSelected = request.kind == PerformanceTableKind::TimesByAge;

    PerformanceTable table;
    table.kind = request.kind;
    table.caption = Caption(work, request, AgeFlagFromInputs(work) == 1, work.age);
    table.columns = ColumnValues(request);
    const auto& distances = PerformanceTableDistances();
    for (std::size_t r = 0; r < distances.size(); ++r) {
        work.levelTableDist[r + 1] = distances[r].meters;
    }
    if (request.kind == PerformanceTableKind::Individual) {
        FillIndividualColumns(work, state, form, table.columns, notifier);
    }
    for (std::size_t r = 0; r < distances.size(); ++r) {
        PerformanceTableRow& row = table.rows[r];
        row.label = distances[r].label;
        row.distance = distances[r].meters;
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            row.times[c] = TableTime(work, request, table.columns[c], r + 1, c);
        }
    }
    state.age = ReadAsNumber(form.txtage);
    state.levelTableDist = work.levelTableDist;
    state.levelTableTimes = work.levelTableTimes;
    return table;
}

}  // namespace kestrova
