#include "analyses/best_distance.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::CalculatedState;

// A high index (800 m pace much faster than 5000 m pace) guesses short; below 1.15 the guess
// grows by (120 (1.15 - x))^2 km.
TEST(BestDistanceGuess, FollowsTheIndex) {
    const std::tuple<double, double, double> cases[] = {
        {1.4, 0.57, 0.005},
        {1.1, 14.69 + 36.0, 0.01},
        {1.15, std::exp(14.6 - 10.83 * 1.15), 1e-9},
    };
    for (const auto& [index, expectedKm, toleranceKm] : cases) {
        SCOPED_TRACE(index);
        EXPECT_NEAR(FirstBestDistanceGuess(index) / 1000.0, expectedKm, toleranceKm);
        EXPECT_NEAR(RefinedBestDistanceGuess(index), expectedKm, toleranceKm);
    }
}

double Parabola(double d, double peak) {
    const double x = std::log(d / peak);
    return 0.9 - x * x;
}

TEST(LevelPeakSearch, FindsThePeakOfARoundCurve) {
    for (double peak : {800.0, 5000.0, 21000.0}) {
        SCOPED_TRACE(peak);
        for (double start : {peak / 3.0, peak * 2.5}) {
            const PeakSearch search =
                SearchLevelPeak([peak](double d) { return Parabola(d, peak); }, start);
            // Placed between the last two probes, so within one 10 % step of the true peak.
            EXPECT_GT(search.peakKm, peak / 1000.0 / 1.1);
            EXPECT_LT(search.peakKm, peak / 1000.0 * 1.1);
            EXPECT_GT(search.steps, 0);
        }
    }
}

// A level that keeps rising ends the walk at the 5 m ... 250 km limits, one 10 % step at a time.
TEST(LevelPeakSearch, EndsAtTheLimitsWhenTheLevelNeverFalls) {
    const PeakSearch rising = SearchLevelPeak([](double d) { return std::log(d); }, 5000.0);
    EXPECT_EQ(rising.steps, 42);  // 5 km * 1.1^42 is the first distance past 250 km
    const PeakSearch falling = SearchLevelPeak([](double d) { return -std::log(d); }, 5000.0);
    EXPECT_EQ(falling.steps, 73);  // 5 km / 1.1^73 is the first distance under 5 m
    // A start outside the limits takes one step.
    EXPECT_EQ(SearchLevelPeak([](double d) { return Parabola(d, 5000.0); }, 400000.0).steps, 1);
}

// When the level at d equals the level at d / 1.1 the direction has no sign; the search must
// still end with a sensible peak.
TEST(LevelPeakSearch, LevelEqualOneStepShorter) {
    // Flat everywhere: the start is the answer.
    const PeakSearch flat = SearchLevelPeak([](double) { return 0.8; }, 3000.0);
    EXPECT_DOUBLE_EQ(flat.peakKm, 3.0);
    EXPECT_EQ(flat.steps, 0);

    // Flat towards shorter races, rising towards longer ones: the walk goes longer.
    const auto plateauThenRise = [](double d) {
        const double x = std::log(d / 9000.0) / std::log(3.0);
        return d <= 3000.0 ? 0.8 : 0.8 + 0.05 * (1.0 - x * x);
    };
    const PeakSearch longer = SearchLevelPeak(plateauThenRise, 3000.0);
    EXPECT_GT(longer.peakKm, 9.0 / 1.1);
    EXPECT_LT(longer.peakKm, 9.0 * 1.1);

    // Flat towards shorter races, falling towards longer ones: the walk goes along the plateau.
    const auto plateauThenFall = [](double d) {
        if (d <= 1000.0) {
            return 0.7 + d / 1e4;
        }
        return d <= 3000.0 ? 0.8 : 0.8 - d / 1e6;
    };
    const PeakSearch shorter = SearchLevelPeak(plateauThenFall, 3000.0);
    EXPECT_GT(shorter.peakKm, 0.9);
    EXPECT_LT(shorter.peakKm, 3.0);

    // A plateau down to the 5 m limit: the walk ends there with a finite, positive peak.
    const auto plateauToTheLimit = [](double d) { return d <= 3000.0 ? 0.8 : 0.8 - d / 1e6; };
    const PeakSearch limit = SearchLevelPeak(plateauToTheLimit, 3000.0);
    EXPECT_TRUE(std::isfinite(limit.peakKm));
    EXPECT_GT(limit.peakKm, 0.0);
    EXPECT_LT(limit.peakKm, kPeakSearchShortest / 1000.0);
}

TEST(LevelPeakSearch, UnreadableLevelsEndTheWalk) {
    const PeakSearch search =
        SearchLevelPeak([](double) { return std::numeric_limits<double>::quiet_NaN(); }, 5000.0);
    EXPECT_LE(search.steps, 1);
}

// The best distances the analysis reports for three runners: the start-up runner's "peak at
// 4.82 km"; the marathoner's first peak lies beyond 9 km, so a second search from 100 km is
// averaged in; the 49-second 400 m runner peaks under a kilometre.
TEST(FindBestDistance, KnownRunners) {
    const std::tuple<const char*, MainFormInputs, double> cases[] = {
        {"start-up runner", MainFormInputs{}, 4.8169},
        {"marathoner", test_support::EnduranceRunner(), 16.8727},
        {"sprinter", test_support::SprintRunner(), 0.7776},
    };
    for (const auto& [runner, inputs, bestKm] : cases) {
        SCOPED_TRACE(runner);
        MainFormInputs form = inputs;
        ModelState state = CalculatedState(form);
        EXPECT_NEAR(FindBestDistance(state, state.specIndex), bestKm, 5e-5);
    }
}

}  // namespace
}  // namespace kestrova
