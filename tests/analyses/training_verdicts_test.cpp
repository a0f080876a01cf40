#include "analyses/training_verdicts.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>

namespace kestrova {
namespace {

// Every limit is strict: a best distance exactly at a limit stays in the band below.
TEST(DistanceBand, LastBandWhoseLimitIsPassed) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "under 400 m"},  {0.4, "under 400 m"},   {0.41, "300 - 600 m"},
        {0.5, "300 - 600 m"},  {0.6, "400 - 800 m"},   {0.7, "400 - 800 m"},
        {1.0, "600 - 1500 m"}, {1.22, "600 - 1500 m"}, {1.5, "1 - 3 k"},
        {2.12, "1 - 3 k"},     {3.0, "1.5 - 5 k"},     {3.87, "1.5 - 5 k"},
        {5.0, "3 - 8k"},       {6.32, "3 - 8k"},       {8.0, "5 - 10 k"},
        {10.0, "5 - 10 k"},    {10.01, "10 k and up"}, {300.0, "10 k and up"},
        {-1.0, "under 400 m"},
    };
    for (const auto& [km, band] : cases) {
        SCOPED_TRACE(km);
        EXPECT_EQ(std::string(DistanceBand(km)), band);
    }
    EXPECT_EQ(std::string(DistanceBand(std::nan(""))), "under 400 m");
}

TEST(VolumeVerdict, StrictLimitsAgainstTheVolumeRun) {
    // For 20 miles a week the limits are 6, 13, 28 and 39.4 miles.
    const std::tuple<double, int, const char*> cases[] = {
        {0.0, 20, " is probably shorter than"},
        {6.0, 20, " is probably shorter than"},
        {6.5, 20, " may be somewhat shorter than"},
        {13.0, 20, " may be somewhat shorter than"},  // exactly 0.8 W - 3
        {13.5, 20, " is probably near"},
        {28.0, 20, " is probably near"},
        {28.5, 20, " may be somewhat longer than"},
        {39.4, 20, " may be somewhat longer than"},
        {39.5, 20, " is probably longer than"},
        {-5.0, 0, " may be somewhat shorter than"},  // no training: limits -6, -3, 3, 6
        {-2.0, 0, " is probably near"},
        {7.0, 0, " is probably longer than"},
    };
    for (const auto& [typical, weekly, verdict] : cases) {
        SCOPED_TRACE(typical);
        EXPECT_EQ(std::string(VolumeVerdict(typical, weekly)), verdict);
    }
}

TEST(TypicalWeeklyMiles, WomenEightyPercentOfMenBeforeTheAgeAllowance) {
    const double level = 0.8;
    const double guessKm = 5.0;
    const double men = TypicalWeeklyMiles(level, guessKm, "m", 0.0);
    EXPECT_NEAR(men, 35.0 * std::pow(0.8, 2.2) * std::log(6.1), 1e-12);
    EXPECT_NEAR(TypicalWeeklyMiles(level, guessKm, "f", 0.0), 0.8 * men, 1e-12);
    // The age allowance comes off after the 80 %, not before.
    EXPECT_NEAR(TypicalWeeklyMiles(level, guessKm, "f", 5.0), 0.8 * men - 5.0, 1e-12);
    EXPECT_NEAR(TypicalWeeklyMiles(level, guessKm, "m", 5.0), men - 5.0, 1e-12);
}

}  // namespace
}  // namespace kestrova
