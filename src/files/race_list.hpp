#pragma once

#include <string>
#include <string_view>

#include "files/saved_race_record.hpp"

namespace kestrova {

// The heading above the list of a file's races (Label1).
inline constexpr const char* kRaceListHeading =
    "Sel   #   Hrs    Min     Sec     Number   mi   yd    km    m   mar h.mar       Comments";

enum class PadSide { Left = 0, Right = 1 };

// One column of the list: the text without its leading and trailing blanks, padded with blanks
// on `side` to at least `width` characters. At least one blank is always added, so a text that
// fills its column still stands apart from the next.
std::string PadField(std::string_view text, int width, PadSide side);

// A stored 32-bit value in its shortest decimal form, the digits that read back as that very
// float (18.7 shows as "18.7", not as the double it widens to); "NaN" or "Inf" when it is not
// finite.
std::string FloatText(float value);

// The list line of a race: its selection column (the main-window row 1-5 holding it, or blanks
// for 0), race number, hours, minutes, seconds, number, the six unit marks and the comment. With
// every value inside its width the columns start at characters 1, 3, 6, 10, 15, 22, 30 (units,
// four each) and 56 (comment).
std::string RaceListLine(const SavedRaceRecord& record, int mainFormRow);

// The list line of a record that cannot be a race: its position as the race number, then
// "damaged:" and why, in place of its values.
std::string DamagedRaceListLine(int raceNumber, std::string_view reason);

}  // namespace kestrova
