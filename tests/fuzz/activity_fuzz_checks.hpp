#pragma once

// What every activity read from any bytes must satisfy: either a problem to show or an activity
// with finite, positive totals and an ordered series, whose text and best efforts show only
// finite numbers.
#include <cmath>
#include <string_view>

#include "files/activity/activity_file.hpp"
#include "files/activity/activity_race_row.hpp"
#include "files/activity/activity_text.hpp"
#include "fuzz_support.hpp"
#include "model/text_sink.hpp"

namespace fuzz_support {

inline void CheckActivityReading(std::string_view bytes) {
    using namespace kestrova;
    const ActivityReading reading = ReadActivityBytes(bytes);
    if (!reading.activity) {
        Require(!reading.problem.empty(), "a refused file had no reason");
        return;
    }
    const Activity& activity = *reading.activity;
    Require(std::isfinite(activity.distanceMeters) && activity.distanceMeters > 0.0,
            "an activity without a distance was accepted");
    Require(std::isfinite(activity.elapsedSeconds) && activity.elapsedSeconds > 0.0,
            "an activity without a time was accepted");
    Require(activity.series.size() <= kMaxActivityPoints, "the series is over its bound");
    for (std::size_t i = 1; i < activity.series.size(); ++i) {
        Require(activity.series[i].seconds > activity.series[i - 1].seconds &&
                    activity.series[i].meters >= activity.series[i - 1].meters,
                "the series is out of order");
    }
    const std::vector<BestEffort> efforts = FindBestEfforts(activity.series);
    LineBuffer lines;
    WriteActivity(lines, "fuzz", activity, efforts);
    RequireFiniteText(lines.Text(), "the activity text");
    for (const ActivityChoice& choice : ActivityChoices(activity, efforts)) {
        Require(std::isfinite(choice.seconds) && choice.seconds >= 0.0, "a choice has no time");
        const RaceRowInputs row = ActivityRaceRow(choice.meters, choice.seconds);
        RequireFiniteText(row.Text1 + row.Text2 + row.Text3 + row.Text4, "a race row");
    }
}

}  // namespace fuzz_support
