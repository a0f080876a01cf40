#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/main_form_inputs.hpp"

namespace kestrova {

// Which race rows of the main window hold a race copied in from a file during this run, and
// which hold one the user typed. Whatever copies races into the rows remembers each copy here,
// and asks before it overwrites a typed race.
class CopiedRaceRows {
  public:
    // Row `row` (0-4) now holds `contents`, copied in from a file.
    void Remember(int row, const RaceRowInputs& contents);

    // Whether row `row` with these contents holds a race the user typed: a box of it holds
    // text, and the row holds neither, unchanged, the race last copied into it this run nor the
    // sample race the program starts with in that row (as typed, or as a settings file brings it
    // back). Ticking or clearing "use?" changes no race.
    bool HoldsTypedRace(int row, const RaceRowInputs& contents) const;

  private:
    std::array<std::optional<RaceRowInputs>, kRaceRowCount> copied_{};
};

// The race of a row as a question names it, "DISTANCE in TIME": "5 km in 18:07",
// "half marathon in 1:29:58".
std::string RaceRowSummary(const RaceRowInputs& row);

}  // namespace kestrova
