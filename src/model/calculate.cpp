#include "model/calculate.hpp"

#include <algorithm>
#include <cmath>

#include "model/curve_character.hpp"
#include "model/curve_fit.hpp"
#include "model/input_stage.hpp"
#include "model/number_reader.hpp"
#include "model/number_text.hpp"
#include "model/pace_model.hpp"
#include "model/runner_profile.hpp"
#include "model/start_up_state.hpp"
#include "model/time_adjustment.hpp"

namespace kestrova {
namespace {

// Reads the runner's profile into the state (the age only in a normal run).
void ReadProfile(ModelState& state, const MainFormInputs& form) {
    const RunnerProfile profile = ReadRunnerProfile(form);
    if (state.syntheticMode != 1) {
        state.age = profile.age;
    }
    state.weeklyMiles = profile.weeklyMiles;
    state.fadeCoef = 0.08 - std::sqrt(1.0 + state.weeklyMiles) / 420.0;
    if (!profile.sex.empty()) {
        state.sex = profile.sex;
    }
    TakeAgeComparison(state, form);
}

void LoadSyntheticRaces(ModelState& state) {
    state.raceDist[1] = 800.0;
    state.raceTime[1] = state.synth800 - state.timeOffset;
    state.adjTime[1] = state.raceTime[1];
    state.raceDist[2] = 5000.0;
    state.raceTime[2] = state.synth5000 - state.timeOffset;
    state.adjTime[2] = state.raceTime[2];
}

void FillLevelTable(ModelState& state) {
    if (state.levelColumn < 0 || state.levelColumn >= kLevelTableColumns) {
        return;
    }
    const auto column = static_cast<std::size_t>(state.levelColumn);
    for (std::size_t c = 1; c < kLevelTableRows; ++c) {
        state.levelTableTimes[c][column] = PredictedRaceTime(state, state.levelTableDist[c]);
    }
    state.curDist = state.levelTableDist[kLevelTableRows - 1];
}

// Adjusts, sorts and thins the races of a normal run, then warns about extrapolation.
void PrepareRaces(ModelState& state, MainFormInputs& form, RaceList& races, Notifier& notifier) {
    AdjustRaceTimes(state, races);
    const auto first = state.raceDist.begin() + 1;
    const auto last = first + races.count;
    const double shortest = std::min(999999.0, *std::min_element(first, last));
    const double longest = std::max(0.0, *std::max_element(first, last));
    SortRacesByDistance(state, races);
    OmitSlowerPacedRaces(state, races, notifier);
    if (races.count < 2) {
        SelectUseAllData(form);
    }
    form.reportItemsEnabled = true;
    WarnAboutExtrapolation(shortest, longest, notifier);
}

}  // namespace

CalculateResult Calculate(ModelState& state, MainFormInputs& form, TextSink& picture1,
                          Notifier& notifier) {
    CalculateResult result;
    state.timeOffset = kTimeOffset;
    state.piApprox = kPiApprox;
    RaceList races;
    const bool synthetic = state.syntheticMode == 1;
    if (!synthetic) {
        picture1.Clear();
        if (IsAgeOutOfRange(ReadRunnerProfile(form).age)) {
            notifier.Show(kAgeOutOfRangeMessage);
            return result;
        }
        if (!ReadRaceRows(state, form, races, notifier)) {
            return result;
        }
        if (races.count == 0) {
            notifier.Show("No rows checked!");
            return result;
        }
        state.raceCount = races.count;
        if (races.count < 2) {
            form.Option7Enabled = false;
            SelectUseAllData(form);
        } else {
            form.Option7Enabled = true;
        }
    }
    ReadProfile(state, form);
    if (IsNonZeroValue(state.age) == 0) {
        notifier.Show("Non-numeric age entry");
    }
    FitMode mode = SelectedFitMode(form);
    if (state.syntheticMode != 0) {
        mode = FitMode::BestTwo;
        races.count = 2;
        LoadSyntheticRaces(state);
    } else {
        PrepareRaces(state, form, races, notifier);
    }
    FitCurve(state, races.count, mode);
    result.outcome = CalculateOutcome::Completed;
    if (synthetic || state.syntheticMode != 0) {
        FillLevelTable(state);
        return result;
    }
    result.rows = PrintPredictionTable(state, form, picture1, notifier);
    SetSpecializationFromCurve(state);
    form.analysisButtonsEnabled = true;
    return result;
}

}  // namespace kestrova
