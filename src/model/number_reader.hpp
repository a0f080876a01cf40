#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

// Reads a number the way every text box of the program is read: leading blanks are skipped and
// the longest numeric prefix (optional sign, digits, decimal point, exponent) is taken. A text
// without one reads as 0. No hex, "inf", "nan" or locale forms are accepted.
double ReadAsNumber(std::string_view text);

// Whether the text has a numeric prefix after its leading blanks, that is whether ReadAsNumber
// reads a number from it rather than the 0 of a text without one.
bool StartsWithNumber(std::string_view text);

// The value of a text that is one decimal number as a whole (leading and trailing blanks
// allowed), or nothing when any other character follows the number or no number is there.
std::optional<double> ReadWholeNumber(std::string_view text);

// A text as the settings file reads it back: one that is a decimal number as a whole comes back
// in its plain number form ("02" as "2", "5.50" as "5.5"); any other text is returned as it is.
std::string PlainFormOfNumberText(std::string_view text);

// What a text that is not one clean number is read as, for the mark on its box: "read as 2" for
// "2O", "read as 0" for "abc". Nothing for a clean number and for a text of blanks only (an
// empty box), which are read as they stand.
std::optional<std::string> SlipReadingNote(std::string_view text);

}  // namespace kestrova
