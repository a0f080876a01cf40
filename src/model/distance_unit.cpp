#include "model/distance_unit.hpp"

namespace kestrova {

DistanceUnit DistanceUnitAt(int index) {
    return static_cast<DistanceUnit>(index);
}

double RaceDistanceMeters(double number, std::optional<DistanceUnit> unit) {
    if (!unit) {
        return 0.0;
    }
    switch (*unit) {
        case DistanceUnit::Miles:
            return number * kMetersPerMile;
        case DistanceUnit::Yards:
            return number * (kMetersPerMile / 1760.0);
        case DistanceUnit::Kilometers:
            return number * 1000.0;
        case DistanceUnit::Meters:
            return number;
        case DistanceUnit::Marathon:
            return kMarathonMeters;
        case DistanceUnit::HalfMarathon:
            return kHalfMarathonMeters;
    }
    return 0.0;
}

std::string UnitLabel(DistanceUnit unit) {
    switch (unit) {
        case DistanceUnit::Miles:
            return "mi";
        case DistanceUnit::Yards:
            return "yd";
        case DistanceUnit::Kilometers:
            return "km";
        case DistanceUnit::Meters:
            return "m";
        case DistanceUnit::Marathon:
            return "marathon";
        case DistanceUnit::HalfMarathon:
            return "half marathon";
    }
    return "";
}

bool IsFixedDistance(DistanceUnit unit) {
    return unit == DistanceUnit::Marathon || unit == DistanceUnit::HalfMarathon;
}

}  // namespace kestrova
