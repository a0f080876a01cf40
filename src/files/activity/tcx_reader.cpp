#include "files/activity/tcx_reader.hpp"

#include <cmath>

#include "files/activity/track_builder.hpp"
#include "files/activity/utc_time.hpp"
#include "files/activity/xml_nodes.hpp"

namespace kestrova {
namespace {

struct LapTotals {
    int laps = 0;
    double seconds = 0.0;
    double meters = 0.0;
};

template <typename Visit>
void ForEachChild(const pugi::xml_node& node, std::string_view name, Visit&& visit) {
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element && LocalName(child) == name) {
            visit(child);
        }
    }
}

std::optional<GeoPosition> PositionOf(const pugi::xml_node& point) {
    const pugi::xml_node position = Child(point, "Position");
    const std::optional<double> latitude = ChildNumber(position, "LatitudeDegrees");
    const std::optional<double> longitude = ChildNumber(position, "LongitudeDegrees");
    if (!latitude || !longitude) {
        return std::nullopt;
    }
    return GeoPosition{*latitude, *longitude};
}

// Whether any track point of the activity records the watch's distance.
bool RecordsDistance(const pugi::xml_node& activity) {
    bool found = false;
    ForEachChild(activity, "Lap", [&](const pugi::xml_node& lap) {
        ForEachChild(lap, "Track", [&](const pugi::xml_node& track) {
            ForEachChild(track, "Trackpoint", [&](const pugi::xml_node& point) {
                found = found || ChildNumber(point, "DistanceMeters").has_value();
            });
        });
    });
    return found;
}

}  // namespace

ActivityReading ReadTcx(const pugi::xml_document& document) {
    const pugi::xml_node activity =
        Child(Child(document.document_element(), "Activities"), "Activity");
    if (!activity) {
        return ActivityProblem("The TCX file holds no activity.");
    }
    TrackBuilder builder(RecordsDistance(activity) ? TrackDistances::Recorded
                                                   : TrackDistances::FromPositions);
    LapTotals totals;
    std::string problem;
    ForEachChild(activity, "Lap", [&](const pugi::xml_node& lap) {
        const std::optional<double> seconds = ChildNumber(lap, "TotalTimeSeconds");
        const std::optional<double> meters = ChildNumber(lap, "DistanceMeters");
        if (seconds && meters && *seconds >= 0.0 && *meters >= 0.0) {
            ++totals.laps;
            totals.seconds += *seconds;
            totals.meters += *meters;
        }
        ForEachChild(lap, "Track", [&](const pugi::xml_node& track) {
            builder.StartSegment();
            ForEachChild(track, "Trackpoint", [&](const pugi::xml_node& point) {
                const std::optional<double> at = ReadIsoTime(Child(point, "Time").text().get());
                if (problem.empty() && at &&
                    !builder.Add(*at, PositionOf(point), ChildNumber(point, "DistanceMeters"))) {
                    problem = builder.Problem();
                }
            });
        });
    });
    if (!problem.empty()) {
        return ActivityProblem(problem);
    }
    Activity read;
    read.format = "TCX";
    builder.FillActivity(read);
    if (totals.laps > 0) {
        // The laps hold the watch's own timer time and distance.
        read.movingSeconds = totals.seconds;
        read.distanceMeters = totals.meters;
        read.elapsedSeconds = std::max(read.elapsedSeconds, totals.seconds);
    } else if (read.series.empty()) {
        return ActivityProblem("The TCX activity has neither lap totals nor timed track points.");
    }
    if (!read.startTime) {
        if (const std::optional<double> start = ReadIsoTime(Child(activity, "Id").text().get())) {
            read.startTime = static_cast<std::int64_t>(std::floor(*start));
        }
    }
    return {read, {}};
}

}  // namespace kestrova
