#include "analyses/training_analysis.hpp"

#include <cmath>

#include "analyses/best_distance.hpp"
#include "analyses/distance_for_duration.hpp"
#include "analyses/training_verdicts.hpp"
#include "model/distance_unit.hpp"
#include "model/pace_model.hpp"

namespace kestrova {
namespace {

// The mile speed's share in the aerobic training speed. The literal is the double nearest the
// value the analysis has always used (one unit in the last place below 0.07), kept so that the
// paces print exactly as they did.
constexpr double kMileSpeedShare = 0.06999999999999999;

// The VO2 max estimates of the curve, and the search times the speed estimates continue from.
struct OxygenEstimates {
    double tenKmEstimate = 0.0;  // from the 10 km time, also the base of the speed at VO2 max
    double vo2Max = 0.0;         // the blend of the two-mile, 15-minute and 10 km estimates
    double searchTime = 0.0;     // the time the 15-minute search ended with
};

OxygenEstimates EstimateVo2Max(const FittedCurve& state) {
    OxygenEstimates estimates;
    const double twoMileTime = PredictedRaceTime(state, 3218.688);
    const double fromTwoMiles = 128.81 - 5.95 * twoMileTime / 60.0;
    double time = 0.0;
    const double d15 = DistanceForDuration(state, 900.0, 10000.0, time).distance;
    const double fromFifteenMinutes = (d15 / 15.0 - 133.0) * 0.172 + 33.3;
    const double tenKmTime = PredictedRaceTime(state, 10000.0);
    estimates.tenKmEstimate = 475550.0 * std::pow(tenKmTime, -1.172);
    estimates.vo2Max =
        0.3 * fromTwoMiles + 0.25 * fromFifteenMinutes + 0.45 * estimates.tenKmEstimate;
    estimates.searchTime = time;
    return estimates;
}

// The three training speeds from the mile, 11-minute, 12.5 km and one-hour speeds of the curve.
void EstimateTrainingSpeeds(const FittedCurve& state, const OxygenEstimates& oxygen,
                            TrainingAnalysis& analysis) {
    const double mileSpeed = kMetersPerMile / PredictedRaceTime(state, kMetersPerMile);
    double time = oxygen.searchTime;
    const double d11 = DistanceForDuration(state, 660.0, 6000.0, time).distance;
    const double elevenMinuteSpeed = d11 / time;
    const double speedFromVo2 = 2.9 + 0.0686 * (oxygen.tenKmEstimate - 29.0);
    const double speed12500 = 12500.0 / PredictedRaceTime(state, 12500.0);
    time = 0.0;
    const double d60 = DistanceForDuration(state, 3600.0, 25000.0, time).distance;
    const double hourSpeed = d60 / time;

    const double threshold = (speed12500 + hourSpeed + 0.865 * elevenMinuteSpeed) / 3.0;
    const double vo2MaxSpeed = (elevenMinuteSpeed + speedFromVo2 + threshold / 0.865) / 3.0;
    const double foreverSpeed = SpeedForPower(state.aerobicPower);
    const double w = 3.0 * std::log(threshold / foreverSpeed) / std::log(2.0);
    const double aerobicBase = (foreverSpeed + 0.83 * threshold * w) / (1.0 + w);
    analysis.aerobicSpeed = 0.5 * (0.5 * aerobicBase + 0.17 * threshold + 0.13 * vo2MaxSpeed +
                                   kMileSpeedShare * mileSpeed) +
                            0.3995 * hourSpeed;
    analysis.thresholdSpeed = 0.65 * threshold + 0.34755 * hourSpeed;
    analysis.vo2MaxSpeed = 0.8 * vo2MaxSpeed + 0.2226 * hourSpeed;
}

}  // namespace

TrainingAnalysis ComputeTrainingAnalysis(ModelState& state) {
    TrainingAnalysis analysis;
    const OxygenEstimates oxygen = EstimateVo2Max(state);
    analysis.vo2Max = oxygen.vo2Max;
    EstimateTrainingSpeeds(state, oxygen, analysis);
    analysis.bestKm = FindBestDistance(state, state.specIndex);
    analysis.band = DistanceBand(analysis.bestKm);
    analysis.typicalMiles =
        TypicalWeeklyMiles(state.perfLevel, state.bestDistGuess, state.sex, state.ageTerm);
    analysis.weeklyMiles = state.weeklyMiles;
    analysis.verdict = VolumeVerdict(analysis.typicalMiles, analysis.weeklyMiles);
    return analysis;
}

void RunTrainingAnalysis(ModelState& state, int target, TextSink& sink) {
    const TrainingAnalysis analysis = ComputeTrainingAnalysis(state);
    WriteTrainingAnalysis(analysis, OutputFormFor(target, state.reportDestination), sink);
}

}  // namespace kestrova
