#pragma once

#include <array>
#include <string>

#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// The longest race the model describes: a 24-hour race is about 300 km, and a longer distance
// would only keep the pair search busy for seconds on races the curve cannot speak for.
inline constexpr double kLongestRaceMeters = 300000.0;
inline constexpr const char* kTooLongMessage = "Way too long a race in row #";

// Calculate's working list after the input stage: slots 1..count of the state's raceDist,
// adjTime and raceTime hold the races kept, in ascending distance.
struct RaceList {
    int count = 0;
    std::array<std::string, kRaceSlots> labels;
};

// Reads, validates and records the checked race rows in entry order. Shows the first failure's
// message and returns false; on success count is the number of checked rows.
bool ReadRaceRows(ModelState& state, const MainFormInputs& form, RaceList& races,
                  Notifier& notifier);

// Moves every entered time onto the smooth model scale (sprint correction, middle-distance bump,
// start allowance, long-distance fade).
void AdjustRaceTimes(ModelState& state, const RaceList& races);

// Sorts the races by ascending distance; races of equal distance keep their entry order.
void SortRacesByDistance(ModelState& state, RaceList& races);

// Drops every race run at the same or a slower adjusted speed than a longer one, with a message
// for each.
void OmitSlowerPacedRaces(ModelState& state, RaceList& races, Notifier& notifier);

// The "Questionable extrapolation" warnings for races that are all short or all long.
void WarnAboutExtrapolation(double shortest, double longest, Notifier& notifier);

}  // namespace kestrova
