#pragma once

#include <optional>
#include <string>

namespace kestrova {

// Number texts: up to 15 significant digits, no trailing zeros, exponent form ("1E-05",
// "1.23456789012346E+15") only for very small or very large magnitudes.

// The sign-position form: a leading blank for a non-negative number (a minus sign otherwise)
// and no zero before the decimal point: 0.55 -> " .55", 20 -> " 20", -0.5 -> "-.5".
std::string NumberText(double value);

// The same digits without blanks, keeping the zero before the point: 0.5 -> "0.5", 20 -> "20".
std::string PlainNumberText(double value);

// A number as it is printed on a canvas, the printer or a text file: the sign-position form
// followed by one trailing blank (95 -> " 95 ").
std::string PrintedNumber(double value);

// The value rounded to the nearest whole number, halves to the even neighbour; nothing when the
// value is not finite or too large to be held as a whole number.
std::optional<long long> RoundHalfEven(double value);

// A whole number as the tables print it: rounded halves to even, then PrintedNumber. A value that
// cannot be rounded (not finite, or beyond any whole number type) prints as " --- ".
std::string PrintedWholeNumber(double value);

// 1 when the value, written as a number text and read back, is not 0; otherwise 0.
int IsNonZeroValue(double value);

}  // namespace kestrova
