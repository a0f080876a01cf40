#pragma once

#include <optional>
#include <string>

#include "model/distance_unit.hpp"
#include "model/main_form_inputs.hpp"
#include "model/notifier.hpp"

namespace kestrova {

// A distance as a race row holds it: a number text and a unit.
struct RowDistance {
    std::string number;
    DistanceUnit unit = DistanceUnit::Meters;
};

// The unit that matches a distance best: the marathon or half marathon, a whole number of miles
// or kilometres when within 0.5 % of one (the closer of the two; a watch reads a 5 km race as
// 5.02 km), whole metres below 5 km, else kilometres to two decimals.
RowDistance BestRowDistance(double meters);

// A race row for this distance and time: "use?" checked, the time split into hours, minutes and
// seconds to the tenth, the distance in its best unit.
RaceRowInputs ActivityRaceRow(double meters, double seconds);

// Whether a row holds a race: a time or a distance number.
bool RowHoldsRace(const RaceRowInputs& row);

// What the user is asked before a row (0-4) that holds a race is replaced by `what`.
Question ReplaceRowQuestion(int row, const std::string& what);

// The first row that holds no race, if any.
std::optional<int> FirstFreeRow(const MainFormInputs& form);

}  // namespace kestrova
