#pragma once

#include <optional>
#include <string>

namespace kestrova {

// The six unit choices of a race row, in the order of the row's option buttons.
enum class DistanceUnit { Miles, Yards, Kilometers, Meters, Marathon, HalfMarathon };

inline constexpr int kDistanceUnitCount = 6;
inline constexpr double kMetersPerMile = 1609.344;
inline constexpr double kMarathonMeters = 42195.0;
inline constexpr double kHalfMarathonMeters = 21097.5;

// The unit of option button index 0-5 (miles ... half marathon).
DistanceUnit DistanceUnitAt(int index);

// A race's distance in metres: number times metres per unit, or the fixed distance of the
// marathon and half marathon (whose number is ignored). No unit gives 0.
double RaceDistanceMeters(double number, std::optional<DistanceUnit> unit);

// The short unit name used in race labels: "mi", "yd", "km", "m", "marathon", "half marathon".
std::string UnitLabel(DistanceUnit unit);

// True for the two fixed-distance units, whose number text is left out of labels.
bool IsFixedDistance(DistanceUnit unit);

}  // namespace kestrova
