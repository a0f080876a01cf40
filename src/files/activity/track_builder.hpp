#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "files/activity/activity.hpp"
#include "files/activity/geodesy.hpp"

namespace kestrova {

// Faster than this between two points (m/s) is a GPS glitch, not running: the point is left out.
inline constexpr double kGlitchSpeed = 15.0;
// A step at least this fast (m/s) counts as moving time.
inline constexpr double kMovingSpeed = 1.0;
// A step this long (s) without a point is a break in the recording.
inline constexpr double kGapSeconds = 60.0;

// Where a track's distances come from: the watch's own running distance, or the positions.
enum class TrackDistances { Recorded, FromPositions };

// Turns a track's points, in file order, into an activity's time-distance series. Points whose
// position (or recorded distance) jumps faster than kGlitchSpeed from the last point kept are left
// out and counted; a point at the same time as the last is dropped. Times that go backwards stop
// the track with a problem.
class TrackBuilder {
  public:
    explicit TrackBuilder(TrackDistances distances) : distances_(distances) {}

    // The next point starts a new segment: the distance between the segments is not run.
    void StartSegment() { newSegment_ = true; }

    // Adds one point with its time (seconds since 1970) and its position or recorded distance (the
    // one the builder uses may be missing: the point is then skipped). False when the track
    // cannot be used; Problem() says why.
    bool Add(double time, std::optional<GeoPosition> position, std::optional<double> meters);

    const std::string& Problem() const { return problem_; }
    std::size_t PointsAdded() const { return added_; }

    // Fills the activity's series, start time, elapsed and moving time, distance, points left out
    // and gaps from the points kept.
    void FillActivity(Activity& activity) const;

  private:
    bool Fail(std::string problem);

    TrackDistances distances_;
    Activity track_;
    std::optional<double> firstTime_;
    std::optional<double> lastTime_;  // of the last point with a time, kept or not
    std::optional<double> lastKeptTime_;
    GeoPosition lastPosition_;
    double lastMeters_ = 0.0;  // the last kept point's recorded distance
    bool newSegment_ = false;
    std::size_t added_ = 0;
    std::string problem_;
};

}  // namespace kestrova
