#include "files/activity/track_builder.hpp"

#include <cmath>

namespace kestrova {

bool TrackBuilder::Fail(std::string problem) {
    problem_ = std::move(problem);
    return false;
}

bool TrackBuilder::Add(double time, std::optional<GeoPosition> position,
                       std::optional<double> meters) {
    ++added_;
    if (!std::isfinite(time)) {
        return Fail("A point's time cannot be read.");
    }
    if (lastTime_ && time < *lastTime_) {
        return Fail("The times go backwards at point " + std::to_string(added_) +
                    ": the track is not in order.");
    }
    lastTime_ = time;
    const bool recorded = distances_ == TrackDistances::Recorded;
    if (recorded ? !(meters && std::isfinite(*meters) && *meters >= 0.0)
                 : !(position && IsValidPosition(*position))) {
        return true;  // nothing to measure with: skipped
    }
    if (track_.series.size() >= kMaxActivityPoints) {
        return Fail("The track has more than " + std::to_string(kMaxActivityPoints) + " points.");
    }
    if (!lastKeptTime_) {
        firstTime_ = time;
        lastKeptTime_ = time;
        lastMeters_ = recorded ? *meters : 0.0;
        lastPosition_ = position.value_or(GeoPosition{});
        track_.series.push_back({0.0, 0.0});
        newSegment_ = false;
        return true;
    }
    const double seconds = time - *lastKeptTime_;
    const bool segmentBreak = newSegment_;
    // Across a segment break the runner did not run from the last point to this one.
    const double step = recorded ? *meters - lastMeters_
                                 : (segmentBreak ? 0.0 : GroundDistance(lastPosition_, *position));
    if (seconds <= 0.0) {
        if (step != 0.0) {
            ++track_.pointsLeftOut;  // moved in no time
        }
        return true;
    }
    if (step < 0.0 || step > kGlitchSpeed * seconds) {
        ++track_.pointsLeftOut;
        return true;
    }
    if (segmentBreak || seconds >= kGapSeconds) {
        ++track_.gaps;
        track_.longestGapSeconds = std::max(track_.longestGapSeconds, seconds);
    }
    if (!segmentBreak && step >= kMovingSpeed * seconds) {
        track_.movingSeconds += seconds;
    }
    newSegment_ = false;
    lastKeptTime_ = time;
    lastMeters_ = recorded ? *meters : lastMeters_;
    lastPosition_ = position.value_or(lastPosition_);
    track_.series.push_back({time - *firstTime_, track_.series.back().meters + step});
    return true;
}

void TrackBuilder::FillActivity(Activity& activity) const {
    activity.series = track_.series;
    activity.pointsLeftOut = track_.pointsLeftOut;
    activity.gaps = track_.gaps;
    activity.longestGapSeconds = track_.longestGapSeconds;
    activity.movingSeconds = track_.movingSeconds;
    if (!track_.series.empty()) {
        activity.elapsedSeconds = track_.series.back().seconds;
        activity.distanceMeters = track_.series.back().meters;
    }
    if (firstTime_ && std::fabs(*firstTime_) < 1e12) {
        activity.startTime = static_cast<std::int64_t>(std::floor(*firstTime_));
    }
}

}  // namespace kestrova
