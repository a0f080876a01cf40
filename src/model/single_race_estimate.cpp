#include "model/single_race_estimate.hpp"

#include <cmath>
#include <cstddef>

#include "model/curve_character.hpp"
#include "model/distance_unit.hpp"
#include "model/pace_model.hpp"
#include "model/record_curve.hpp"

namespace kestrova {
namespace {

// Far more passes than any runner's data needs; it only stops a search that cannot end.
constexpr int kPowerEstimatePasses = 100000;
// After the first estimate, it is made twice more, each from the level at 2000 m of the curve the
// one before it ended on.
constexpr int kEstimateRounds = 3;
constexpr double kLevelDistance = 2000.0;
// The best distance is guessed for a runner of this age, whatever the runner's own.
constexpr double kBestDistanceAge = 27.0;

double TrialPower(double pacePerMile) {
    return RunningPower(kMetersPerMile / pacePerMile);
}

// What every race's estimate shares: the training a curve may not ask more than, and the pace a
// round starts from at level 1 (each round divides it by its starting level).
struct RunnerTerms {
    double trainingAllowance = 0.0;
    double trainingPace = 0.0;  // 900 - 150 * weeklyMiles^0.25
};

// One race's estimate in progress, with its own copy of the curve (anchored on the race), so that
// the estimates of all races can advance side by side. It holds what its last pass set.
struct RaceEstimate {
    FittedCurve curve;
    double runnerAge = 0.0;
    double time = 0.0;    // the race's adjusted time
    double energy = 0.0;  // the race's energy
    FixedDistance d800;   // the specialization index's distances on curves anchored on the race
    FixedDistance d5000;
    double stepDivisor = 0.0;  // sqrt(refDist + 500) * (weeklyMiles + 10)
    double pace = 0.0;         // the trial pace (s per mile)
    double specIndex = 0.0;
    double guessMeters = 0.0;    // the first best-distance guess
    double timeAtGuess = 0.0;    // the curve's time there
    double recordAtGuess = 0.0;  // and the record time there, at the guessing age
    double perfLevel = 0.0;
    double specIndexAdj = 0.0;
    int round = 0;
    int passesLeft = 0;
};

// The pace a round starts from: the runner's training pace at the level, no faster than 360.
double StartingPace(const RunnerTerms& runner, double level) {
    const double pace = runner.trainingPace / level;
    return pace < 360.0 ? 360.0 : pace;
}

void StartRound(RaceEstimate& race, const RunnerTerms& runner, double level) {
    race.pace = StartingPace(runner, level);
    race.passesLeft = kPowerEstimatePasses;
}

RaceEstimate StartRaceEstimate(const ModelState& state, int i, double raceLevel,
                               const RunnerTerms& runner) {
    RaceEstimate race;
    race.curve = static_cast<const FittedCurve&>(state);
    race.curve.refDist = state.raceDist[i];
    race.runnerAge = state.age;
    race.time = state.adjTime[i];
    race.energy = RaceEnergy(state.raceDist[i], race.time);
    race.d800 = PrepareFixedDistance(race.curve, 800.0);
    race.d5000 = PrepareFixedDistance(race.curve, 5000.0);
    race.stepDivisor = std::sqrt(race.curve.refDist + 500.0) * (state.weeklyMiles + 10.0);
    race.perfLevel = raceLevel;
    StartRound(race, runner, raceLevel);
    return race;
}

// A pass has five stages, each taken by every race still estimating before the next stage
// begins, so that the processor works on several races' independent chains at once.

// Stage one: the curve of the trial pace, its specialization index and the first guess of the
// best distance.
void FormTrialCurve(RaceEstimate& race) {
    const double power = TrialPower(race.pace);
    race.curve.aerobicPower = power;
    race.curve.anaerobicEnergy = race.energy - race.time * power;
    const double t800 = PredictedRaceTime(race.curve, race.d800);
    const double t5000 = PredictedRaceTime(race.curve, race.d5000);
    race.specIndex = SpecializationIndex(t5000, t800);
    race.guessMeters = FirstBestDistanceGuess(race.specIndex);
}

// Stage two: the curve's time at the guessed distance. Stage three: the record time there, and
// stage four the level, both for a runner of the guessing age.
void PredictAtGuess(RaceEstimate& race) {
    race.timeAtGuess = PredictedRaceTime(race.curve, race.guessMeters);
}

void RecordAtGuess(RaceEstimate& race) {
    race.curve.age = kBestDistanceAge;
    race.recordAtGuess = RecordTimeAt(race.curve, race.guessMeters);
}

void LevelAtGuess(RaceEstimate& race) {
    race.perfLevel =
        LevelOfPredictedTime(race.curve, race.guessMeters, race.timeAtGuess, race.recordAtGuess);
    race.curve.age = race.runnerAge;
}

// Stage five: the best distance that level refines the guess to, the training that asks for, and
// the pace slowed or quickened by the gap to the runner's training. True when the curve is
// specialised enough, fast enough, or asks more training than the runner does.
bool StepPace(RaceEstimate& race, const RunnerTerms& runner) {
    race.specIndexAdj = std::pow(race.specIndex, race.perfLevel / 0.9);
    const double bestKm = RefinedBestDistanceGuess(race.specIndexAdj);
    const double need = TrainingVolumeForLevel(race.perfLevel, bestKm, race.curve.sex);
    race.pace -= 2000.0 * (runner.trainingAllowance + 0.3 - need) / race.stepDivisor;
    race.passesLeft -= 1;
    return race.specIndex < 1.12 || race.pace < 270.0 || need > runner.trainingAllowance - 0.1 ||
           std::isnan(race.pace) || race.passesLeft <= 0;
}

// After a round's last pass: false when the estimate is finished, or else the next round started
// from the level at 2000 m of the curve this round ended on.
bool StartNextRound(RaceEstimate& race, const RunnerTerms& runner) {
    race.round += 1;
    if (race.round >= kEstimateRounds) {
        return false;
    }
    StartRound(race, runner, LevelAtDistance(race.curve, kLevelDistance));
    return true;
}

// Every race's rounds of passes, the races still estimating taking each stage in turn. Each race
// makes exactly the passes it would make alone; every pass of the loop advances each of them, so
// the passes are bounded by the longest estimate's.
void AdvanceTogether(std::vector<RaceEstimate>& races, const RunnerTerms& runner) {
    std::vector<RaceEstimate*> working;
    working.reserve(races.size());
    for (RaceEstimate& race : races) {
        working.push_back(&race);
    }
    for (int pass = 0; pass < kEstimateRounds * kPowerEstimatePasses && !working.empty(); ++pass) {
        for (RaceEstimate* race : working) {
            FormTrialCurve(*race);
        }
        for (RaceEstimate* race : working) {
            PredictAtGuess(*race);
        }
        for (RaceEstimate* race : working) {
            RecordAtGuess(*race);
        }
        for (RaceEstimate* race : working) {
            LevelAtGuess(*race);
        }
        for (std::size_t k = 0; k < working.size();) {
            if (StepPace(*working[k], runner) && !StartNextRound(*working[k], runner)) {
                working.erase(working.begin() + static_cast<std::ptrdiff_t>(k));
            } else {
                ++k;
            }
        }
    }
}

}  // namespace

std::vector<double> EstimateEachRace(ModelState& state, int n,
                                     const std::vector<double>& raceLevels) {
    state.ageTerm = std::pow(std::fabs(state.age - 18.0), 1.5) / 24.0;
    const RunnerTerms runner{state.weeklyMiles + state.ageTerm,
                             900.0 - 150.0 * std::pow(state.weeklyMiles, 0.25)};
    std::vector<RaceEstimate> races;
    races.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        races.push_back(
            StartRaceEstimate(state, i, raceLevels[static_cast<std::size_t>(i)], runner));
    }
    AdvanceTogether(races, runner);
    std::vector<double> powers(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        powers[static_cast<std::size_t>(i)] =
            races[static_cast<std::size_t>(i - 1)].curve.aerobicPower;
    }
    if (n >= 1) {
        const RaceEstimate& last = races.back();
        state.refDist = last.curve.refDist;
        state.aerobicPower = last.curve.aerobicPower;
        state.anaerobicEnergy = last.curve.anaerobicEnergy;
        state.specIndex = last.specIndex;
        state.perfLevel = last.perfLevel;
        state.specIndexAdj = last.specIndexAdj;
    }
    return powers;
}

}  // namespace kestrova
