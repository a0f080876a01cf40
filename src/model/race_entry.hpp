#pragma once

#include <optional>
#include <string>

#include "model/distance_unit.hpp"
#include "model/main_form_inputs.hpp"

namespace kestrova {

// One race row as Calculate sees it: the entered time, the distance and the label that names
// the race in messages.
struct RaceEntry {
    bool use = false;
    double timeSeconds = 0.0;
    double distanceMeters = 0.0;
    std::optional<DistanceUnit> unit;
    std::string numberText;  // the number box's text as typed

    // FormatTime(time) & " " & number text & " " & unit label; the number text is left out for
    // the marathon and half marathon, which leaves two blanks before the unit.
    std::string Label() const;
};

// Reads a row's boxes as numbers: time = hours * 3600 + minutes * 60 + seconds, distance =
// number * metres per unit (or the fixed marathon distances).
RaceEntry ReadRaceEntry(const RaceRowInputs& row);

}  // namespace kestrova
