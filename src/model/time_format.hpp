#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrova {

// The fixed-width text of a race time or pace given in seconds: tenths below a minute
// ("      12.3"), "h:mm:ss" style above, 10 characters wide from 0.95 s up to 10 hours.
// Values below 0.01 s are shown as 0.01 s; a value that is not a number or infinite shows as
// "     --.- " so that no such text ever reaches a table.
std::string FormatTime(double seconds);

// value with exactly `decimals` decimals (0 to 4, at least one integer digit), right-aligned
// with blanks to `width` characters; any other count of decimals gives blanks only.
std::string FormatNumber(double value, int width, int decimals);

// The last `count` characters of `text` (all of it when it is shorter): the narrow time cells
// of several tables keep the right end of a FormatTime text.
std::string LastCharacters(const std::string& text, std::size_t count);

// The text without the blanks at its start and end, and without those at its end only.
std::string TrimBlanks(std::string_view text);
std::string TrimTrailingBlanks(std::string_view text);

}  // namespace kestrova
