#pragma once

#include <string_view>

namespace kestrova {

// The band of race distances around a best distance (km), e.g. "1.5 - 5 k".
const char* DistanceBand(double bestKm);

// The weekly training volume (miles) typical of a runner at `level` whose refined best-distance
// guess is `bestGuessKm`: 80 % of it for a woman, then less the allowance for the runner's age.
double TypicalWeeklyMiles(double level, double bestGuessKm, std::string_view sex, double ageTerm);

// How the runner's potentially best distance compares with the value shown, from the weekly
// volume typical of the runner's level and specialty (miles) against the volume run: e.g.
// " is probably near".
const char* VolumeVerdict(double typicalMiles, int weeklyMiles);

}  // namespace kestrova
