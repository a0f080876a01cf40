#include "analyses/best_efforts.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace kestrova {
namespace {

using Series = std::vector<TimedDistance>;

// The time at `meters`, by straight lines between the points (the reading of the series that
// best efforts are defined on).
double TimeAtDistance(const Series& series, double meters) {
    for (std::size_t i = 1; i < series.size(); ++i) {
        if (series[i].meters >= meters && series[i].meters > series[i - 1].meters) {
            const double share =
                (meters - series[i - 1].meters) / (series[i].meters - series[i - 1].meters);
            return series[i - 1].seconds + share * (series[i].seconds - series[i - 1].seconds);
        }
    }
    return series.back().seconds;
}

// Worked by hand: the fastest stretch, its time and where it starts.
TEST(FastestStretch, MatchesTimesWorkedByHand) {
    const std::tuple<const char*, Series, double, double, double> cases[] = {
        // 400 m in 100 s, 80 s, 120 s: the middle one; 800 m: the first two.
        {"middle lap", {{0, 0}, {100, 400}, {180, 800}, {300, 1200}}, 400, 80, 400},
        {"two laps", {{0, 0}, {100, 400}, {180, 800}, {300, 1200}}, 800, 180, 0},
        // 1 km ends between points: 180 s + 200 m at 0.3 s/m.
        {"ends between points", {{0, 0}, {100, 400}, {180, 800}, {300, 1200}}, 1000, 240, 0},
        // 500 m at 5 m/s then 100 m at 10 m/s: the best 400 m starts between points, at 200 m
        // (40 s), and ends at the last point: 70 s. Only stretches ending at a point find it.
        {"starts between points", {{0, 0}, {100, 500}, {110, 600}}, 400, 70, 200},
        // Exactly the whole series.
        {"whole series", {{0, 0}, {60, 200}, {90, 400}}, 400, 90, 0},
        // A standing pause (same distance, time going on) inside the series.
        // 300 m: from the end of the pause (80 s) to the last point: 70 s, not 100 s.
        {"pause", {{0, 0}, {50, 200}, {80, 200}, {130, 400}, {150, 500}}, 300, 70, 200},
    };
    for (const auto& [name, series, meters, seconds, startMeters] : cases) {
        SCOPED_TRACE(name);
        const std::optional<BestEffort> best = FastestStretch(series, {"d", meters});
        ASSERT_TRUE(best.has_value());
        EXPECT_NEAR(best->seconds, seconds, 1e-9);
        EXPECT_NEAR(best->startMeters, startMeters, 1e-9);
        EXPECT_EQ(best->distance.meters, meters);
    }
}

TEST(FastestStretch, RefusesSeriesItCannotSearch) {
    const Series short_ = {{0, 0}, {100, 399}};
    EXPECT_FALSE(FastestStretch(short_, {"400 m", 400}).has_value());
    EXPECT_FALSE(FastestStretch({{0, 0}}, {"400 m", 400}).has_value());
    const Series backwards = {{0, 0}, {100, 400}, {90, 800}};
    EXPECT_FALSE(FastestStretch(backwards, {"400 m", 400}).has_value());
    const Series shrinking = {{0, 0}, {100, 400}, {200, 300}, {300, 900}};
    EXPECT_FALSE(FastestStretch(shrinking, {"400 m", 400}).has_value());
    const Series notFinite = {{0, 0}, {100, std::nan("")}, {200, 900}};
    EXPECT_FALSE(FastestStretch(notFinite, {"400 m", 400}).has_value());
    EXPECT_FALSE(FastestStretch({{0, 0}, {100, 400}}, {"none", 0}).has_value());
}

// On an uneven run the two-pointer search must agree with trying every start metre by metre
// (which can only be slower, by less than the time of one metre at the fastest pace).
TEST(FastestStretch, AgreesWithTryingEveryStart) {
    Series series = {{0, 0}};
    for (int i = 1; i <= 400; ++i) {
        const double pace = 0.2 + 0.1 * std::fabs(std::sin(i * 0.37)) + (i % 17 == 0 ? 0.3 : 0);
        const double step = 5.0 + 20.0 * std::fabs(std::cos(i * 1.3));
        series.push_back({series.back().seconds + pace * step, series.back().meters + step});
    }
    for (const EffortDistance& distance : EffortDistances()) {
        if (distance.meters > series.back().meters) {
            continue;
        }
        SCOPED_TRACE(distance.label);
        double slowestAllowed = 1e300;
        for (double start = 0; start + distance.meters <= series.back().meters; start += 1.0) {
            slowestAllowed =
                std::min(slowestAllowed, TimeAtDistance(series, start + distance.meters) -
                                             TimeAtDistance(series, start));
        }
        const std::optional<BestEffort> best = FastestStretch(series, distance);
        ASSERT_TRUE(best.has_value());
        EXPECT_LE(best->seconds, slowestAllowed + 1e-9);
        EXPECT_GE(best->seconds, slowestAllowed - 0.6);
        EXPECT_NEAR(TimeAtDistance(series, best->startMeters + distance.meters) -
                        TimeAtDistance(series, best->startMeters),
                    best->seconds, 1e-6);
    }
}

TEST(FindBestEfforts, ListsTheStandardDistancesTheRunCovers) {
    // 5.5 km at an even 4:00 per km.
    const Series series = {{0, 0}, {1320, 5500}};
    const std::vector<BestEffort> efforts = FindBestEfforts(series);
    std::vector<std::string> labels;
    for (const BestEffort& effort : efforts) {
        labels.push_back(effort.distance.label);
        EXPECT_NEAR(effort.seconds, effort.distance.meters * 0.24, 1e-9);
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"400 m", "800 m", "1 km", "1 mile", "3 km", "5 km"}));
}

}  // namespace
}  // namespace kestrova
