#include "analyses/training_verdicts.hpp"

#include <array>
#include <cmath>

#include "model/curve_character.hpp"

namespace kestrova {
namespace {

struct BandRow {
    double above;  // the band applies to best distances over this (km)
    const char* text;
};

// Tested in order; the last band whose limit the distance passes wins.
constexpr std::array<BandRow, 8> kBands{{
    {0.4, "300 - 600 m"},
    {0.5, "400 - 800 m"},
    {0.7, "600 - 1500 m"},
    {1.22, "1 - 3 k"},
    {2.12, "1.5 - 5 k"},
    {3.87, "3 - 8k"},
    {6.32, "5 - 10 k"},
    {10.0, "10 k and up"},
}};

struct VerdictRow {
    double weeklyFactor;  // the verdict applies when the typical volume is over
    double offset;        // weeklyFactor * weekly miles + offset
    const char* text;
};

constexpr std::array<VerdictRow, 4> kVerdicts{{
    {0.6, -6.0, " may be somewhat shorter than"},
    {0.8, -3.0, " is probably near"},
    {1.25, 3.0, " may be somewhat longer than"},
    {1.67, 6.0, " is probably longer than"},
}};

}  // namespace

const char* DistanceBand(double bestKm) {
    const char* band = "under 400 m";
    for (const BandRow& row : kBands) {
        if (bestKm > row.above) {
            band = row.text;
        }
    }
    return band;
}

double TypicalWeeklyMiles(double level, double bestGuessKm, std::string_view sex, double ageTerm) {
    return TrainingVolumeForLevel(level, bestGuessKm, sex) - ageTerm;
}

const char* VolumeVerdict(double typicalMiles, int weeklyMiles) {
    const char* verdict = " is probably shorter than";
    for (const VerdictRow& row : kVerdicts) {
        if (typicalMiles > row.weeklyFactor * weeklyMiles + row.offset) {
            verdict = row.text;
        }
    }
    return verdict;
}

}  // namespace kestrova
