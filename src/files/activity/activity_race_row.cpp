#include "files/activity/activity_race_row.hpp"

#include <cmath>
#include <cstdio>

#include "model/number_reader.hpp"
#include "model/number_text.hpp"

namespace kestrova {
namespace {

constexpr double kSnapShare = 0.005;
// Whole miles or kilometres are looked for up to this many (beyond, kilometres to 2 decimals).
constexpr double kLongestWholeUnit = 1000.0;

// How far the distance is from a whole number of `unit` metres, as a share of the distance,
// and that number.
struct WholeMatch {
    double share = 1.0;
    long long count = 0;
};

WholeMatch MatchWhole(double meters, double unit) {
    const double count = std::round(meters / unit);
    if (!(count >= 1.0 && count <= kLongestWholeUnit)) {
        return {};
    }
    return {std::fabs(meters - count * unit) / meters, static_cast<long long>(count)};
}

bool Near(double meters, double target) {
    return std::fabs(meters - target) <= kSnapShare * target;
}

std::string Decimals(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace

RowDistance BestRowDistance(double meters) {
    if (!std::isfinite(meters) || meters <= 0.0) {
        return {"0", DistanceUnit::Meters};
    }
    if (Near(meters, kMarathonMeters)) {
        return {"1", DistanceUnit::Marathon};
    }
    if (Near(meters, kHalfMarathonMeters)) {
        return {"1", DistanceUnit::HalfMarathon};
    }
    const WholeMatch miles = MatchWhole(meters, kMetersPerMile);
    const WholeMatch kilometers = MatchWhole(meters, 1000.0);
    if (miles.share <= kSnapShare && miles.share < kilometers.share) {
        return {std::to_string(miles.count), DistanceUnit::Miles};
    }
    if (kilometers.share <= kSnapShare) {
        return {std::to_string(kilometers.count), DistanceUnit::Kilometers};
    }
    if (meters < 5000.0) {
        return {Decimals(meters, 0), DistanceUnit::Meters};
    }
    return {Decimals(meters / 1000.0, 2), DistanceUnit::Kilometers};
}

RaceRowInputs ActivityRaceRow(double meters, double seconds) {
    RaceRowInputs row;
    row.Check1 = 1;
    const RowDistance distance = BestRowDistance(meters);
    row.Text4 = distance.number;
    row.SelectUnit(distance.unit);
    const std::optional<long long> tenths = RoundHalfEven(seconds * 10.0);
    const long long total = tenths && *tenths > 0 ? *tenths : 0;
    row.Text1 = std::to_string(total / 36000);
    row.Text2 = std::to_string(total / 600 % 60);
    const long long secondTenths = total % 600;
    // Two digits before the point ("07", "07.5"), as the rows show seconds.
    char text[16];
    if (secondTenths % 10 == 0) {
        std::snprintf(text, sizeof text, "%02lld", secondTenths / 10);
    } else {
        std::snprintf(text, sizeof text, "%02lld.%lld", secondTenths / 10, secondTenths % 10);
    }
    row.Text3 = text;
    return row;
}

bool RowHoldsRace(const RaceRowInputs& row) {
    const double time =
        ReadAsNumber(row.Text1) * 3600.0 + ReadAsNumber(row.Text2) * 60.0 + ReadAsNumber(row.Text3);
    return time != 0.0 || ReadAsNumber(row.Text4) != 0.0;
}

Question ReplaceRowQuestion(int row, const std::string& what) {
    return Question{"Race row " + std::to_string(row + 1) +
                        " already holds a race. Replace it with the " + what + "?",
                    "Import race", "Replace", "Cancel"};
}

std::optional<int> FirstFreeRow(const MainFormInputs& form) {
    for (int row = 0; row < kRaceRowCount; ++row) {
        if (!RowHoldsRace(form.rows[static_cast<std::size_t>(row)])) {
            return row;
        }
    }
    return std::nullopt;
}

}  // namespace kestrova
