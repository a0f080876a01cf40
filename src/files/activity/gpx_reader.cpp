#include "files/activity/gpx_reader.hpp"

#include "files/activity/track_builder.hpp"
#include "files/activity/utc_time.hpp"
#include "files/activity/xml_nodes.hpp"

namespace kestrova {
namespace {

std::optional<GeoPosition> PositionOf(const pugi::xml_node& point) {
    const std::optional<double> latitude = NumberIn(point.attribute("lat").value());
    const std::optional<double> longitude = NumberIn(point.attribute("lon").value());
    if (!latitude || !longitude) {
        return std::nullopt;
    }
    return GeoPosition{*latitude, *longitude};
}

}  // namespace

ActivityReading ReadGpx(const pugi::xml_document& document) {
    TrackBuilder builder(TrackDistances::FromPositions);
    std::size_t points = 0;
    for (const pugi::xml_node& track : document.document_element().children()) {
        if (LocalName(track) != "trk") {
            continue;
        }
        for (const pugi::xml_node& segment : track.children()) {
            if (LocalName(segment) != "trkseg") {
                continue;
            }
            builder.StartSegment();
            for (const pugi::xml_node& point : segment.children()) {
                if (LocalName(point) != "trkpt") {
                    continue;
                }
                ++points;
                const pugi::xml_node time = Child(point, "time");
                const std::optional<double> at =
                    time ? ReadIsoTime(time.text().get()) : std::nullopt;
                if (at && !builder.Add(*at, PositionOf(point), std::nullopt)) {
                    return ActivityProblem(builder.Problem());
                }
            }
        }
    }
    if (points == 0) {
        return ActivityProblem("The GPX file holds no track points.");
    }
    if (builder.PointsAdded() == 0) {
        return ActivityProblem(
            "The GPX file's track points have no times, so it gives no race time.");
    }
    Activity activity;
    activity.format = "GPX";
    builder.FillActivity(activity);
    return {activity, {}};
}

}  // namespace kestrova
