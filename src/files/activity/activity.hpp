#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analyses/best_efforts.hpp"

namespace kestrova {

// One run as a watch or a running app recorded it.
struct Activity {
    std::string format;                     // "GPX", "TCX" or "FIT"
    std::optional<std::int64_t> startTime;  // seconds since 1970-01-01 00:00 UTC
    double elapsedSeconds = 0.0;            // from the start to the end, pauses included
    double movingSeconds = 0.0;             // the watch's timer time, or the time spent moving
    double distanceMeters = 0.0;            // total distance
    std::vector<TimedDistance> series;      // time and distance from the start, point by point
    int pointsLeftOut = 0;                  // points whose position jumped (GPS glitches)
    int gaps = 0;                           // breaks in the recording
    double longestGapSeconds = 0.0;
};

// An activity, or why the file gives none.
struct ActivityReading {
    std::optional<Activity> activity;
    std::string problem;  // a sentence for the user, empty when an activity was read
};

inline ActivityReading ActivityProblem(std::string problem) {
    return ActivityReading{std::nullopt, std::move(problem)};
}

// Limits that keep a hostile file from taking the program's memory or time.
inline constexpr std::size_t kMaxActivityFileBytes = 64u * 1024u * 1024u;
inline constexpr std::size_t kMaxActivityPoints = 1000000;

}  // namespace kestrova
