#pragma once

#include <optional>
#include <string>

namespace kestrova {

// The pace unit of the slope, treadmill and power tables. In kilometre mode paces are per
// kilometre and speeds in km/hr.
enum class PaceUnit { Mile, Kilometer };

// Miles to kilometres: the divisor that turns a pace per mile into a pace per kilometre.
inline constexpr double kKilometersPerMile = 1.609344;

// 1 for miles, 1.609344 for kilometres.
double PaceUnitDivisor(PaceUnit unit);

// Seconds per mile or per kilometre at `speed` m/s: 1609.344 / speed, divided by the unit's
// divisor.
double PaceSeconds(double speed, PaceUnit unit);

// The pace at `speed` m/s, or nothing when there is no (positive) speed.
std::optional<double> PaceSecondsAt(std::optional<double> speed, PaceUnit unit);

// The 7-character table cell of a pace: the last 7 characters of FormatTime.
std::string PaceCellText(double seconds);

// The cell of the pace at `speed` m/s, or "   --  " when there is no (positive) speed.
std::string SpeedPaceCell(std::optional<double> speed, PaceUnit unit);

// A grade as the table headings show it: two decimals, at least one integer digit ("-0.06").
std::string GradeText(double grade);

}  // namespace kestrova
