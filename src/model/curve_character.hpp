#pragma once

#include <string_view>

#include "model/model_state.hpp"

namespace kestrova {

// The specialization index of a curve: 0.16 times its 5000 m time over its 800 m time (about
// 1.0 for a sprinter, 1.2 and more for an endurance runner).
double SpecializationIndex(double t5000, double t800);

// Sets pred800, pred5000 and specIndex from the state's fitted curve; curDist and perfLevel keep
// what they hold. Every completed Calculate ends with this, whatever the output units.
void SetSpecializationFromCurve(ModelState& state);

// The runner's performance level at d: the record time at level 1 over the curve's predicted time
// there.
double LevelAtDistance(const FittedCurve& curve, double d);

// Its two times and the level they give, for a caller that works them out apart.
double RecordTimeAt(const FittedCurve& curve, double d);
double LevelOfPredictedTime(const FittedCurve& curve, double d, double predicted, double record);

// The first guess of the best race distance (m) for a specialization index: short for a runner
// much faster at 800 m than at 5000 m, long for an endurance runner.
double FirstBestDistanceGuess(double index);

// The refined guess (km) from the index adjusted for the level at the first guess.
double RefinedBestDistanceGuess(double adjustedIndex);

// The weekly training (miles) typical of a runner at `level` whose best distance is bestKm:
// women 80 % of men.
double TrainingVolumeForLevel(double level, double bestKm, std::string_view sex);

}  // namespace kestrova
