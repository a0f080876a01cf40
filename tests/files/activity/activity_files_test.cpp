// GPX and TCX files are written by the tests themselves: a run along the meridian at longitude 0,
// one point every 0.001 degrees of latitude (110.574 m on the WGS-84 ellipsoid near the equator).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/activity/activity_file.hpp"
#include "files/activity/activity_text.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

constexpr double kStepMeters = 110.5743;  // 0.001 degree of latitude at the equator

struct GpxPoint {
    double latitude;
    std::string time;  // empty: no <time>
};

std::string Clock(int seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "2026-05-03T08:%02d:%02dZ", seconds / 60 % 60, seconds % 60);
    return text;
}

std::string Gpx(const std::vector<std::vector<GpxPoint>>& segments) {
    std::string gpx =
        "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"test\" "
        "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>Run</name>";
    for (const std::vector<GpxPoint>& segment : segments) {
        gpx += "<trkseg>";
        for (const GpxPoint& point : segment) {
            gpx += "<trkpt lat=\"" + std::to_string(point.latitude) + "\" lon=\"0\"><ele>10</ele>";
            if (!point.time.empty()) {
                gpx += "<time>" + point.time + "</time>";
            }
            gpx += "</trkpt>";
        }
        gpx += "</trkseg>";
    }
    return gpx + "</trk></gpx>\n";
}

// `count` points 0.001 degrees apart, `every` seconds apart, from `first` seconds.
std::vector<GpxPoint> Stretch(int count, int every, int first = 0, double fromLatitude = 0.0) {
    std::vector<GpxPoint> points;
    for (int i = 0; i < count; ++i) {
        points.push_back({fromLatitude + 0.001 * i, Clock(first + every * i)});
    }
    return points;
}

std::string Text(const Activity& activity) {
    LineBuffer lines;
    WriteActivity(lines, "run", activity, FindBestEfforts(activity.series));
    return lines.Text();
}

TEST(GpxFile, GivesDistanceTimesAndSeriesOfTheTrack) {
    const ActivityReading reading = ReadActivityBytes(Gpx({Stretch(21, 25)}));
    ASSERT_TRUE(reading.activity.has_value()) << reading.problem;
    const Activity& activity = *reading.activity;
    EXPECT_EQ(activity.format, "GPX");
    EXPECT_NEAR(activity.distanceMeters, 20 * kStepMeters, 0.2);
    EXPECT_DOUBLE_EQ(activity.elapsedSeconds, 500.0);
    EXPECT_DOUBLE_EQ(activity.movingSeconds, 500.0);
    EXPECT_EQ(activity.series.size(), 21u);
    EXPECT_EQ(activity.startTime, 1777766400 + 8 * 3600);  // 2026-05-03 08:00 UTC
    EXPECT_NE(Text(activity).find("Date:          2026-05-03 08:00 UTC"), std::string::npos);
    // 400 m at 110.57 m per 25 s.
    const std::vector<BestEffort> efforts = FindBestEfforts(activity.series);
    ASSERT_EQ(efforts.size(), 4u);  // 400 m, 800 m, 1 km, 1 mile
    EXPECT_NEAR(efforts[0].seconds, 400.0 / kStepMeters * 25.0, 0.01);
}

TEST(GpxFile, LeavesOutPositionsThatJumpAndSaysHowMany) {
    std::vector<GpxPoint> points = Stretch(21, 25);
    points[7].latitude += 0.01;  // 1.1 km away and back within 50 s
    const ActivityReading reading = ReadActivityBytes(Gpx({points}));
    ASSERT_TRUE(reading.activity.has_value()) << reading.problem;
    EXPECT_EQ(reading.activity->pointsLeftOut, 1);
    // Point 6 to point 8 is two steps along the meridian.
    EXPECT_NEAR(reading.activity->distanceMeters, 20 * kStepMeters, 0.2);
    EXPECT_NE(Text(*reading.activity).find("Note: 1 point left out: GPS jumps faster than 15 m/s."),
              std::string::npos);
}

TEST(GpxFile, CountsBreaksAndDoesNotRunBetweenSegments) {
    // A second segment starts 10 minutes after the first ends, 1 km further north.
    const ActivityReading reading =
        ReadActivityBytes(Gpx({Stretch(11, 25), Stretch(11, 25, 850, 0.02)}));
    ASSERT_TRUE(reading.activity.has_value()) << reading.problem;
    const Activity& activity = *reading.activity;
    EXPECT_NEAR(activity.distanceMeters, 20 * kStepMeters, 0.2);
    EXPECT_EQ(activity.gaps, 1);
    EXPECT_DOUBLE_EQ(activity.longestGapSeconds, 600.0);
    EXPECT_DOUBLE_EQ(activity.elapsedSeconds, 1100.0);
    EXPECT_DOUBLE_EQ(activity.movingSeconds, 500.0);
    EXPECT_NE(Text(activity).find("Note: 1 break in the recording, the longest 10:00.0."),
              std::string::npos);
}

TEST(TcxFile, TakesLapTotalsAndTheRecordedDistances) {
    std::string tcx =
        "<?xml version=\"1.0\"?><TrainingCenterDatabase><Activities><Activity Sport=\"Running\">"
        "<Id>2026-05-03T08:00:00Z</Id>";
    for (int lap = 0; lap < 2; ++lap) {
        tcx += "<Lap><TotalTimeSeconds>" + std::to_string(300 + lap * 20) +
               "</TotalTimeSeconds><DistanceMeters>1000</DistanceMeters><Track>";
        for (int i = 0; i <= 10; ++i) {
            const int seconds = lap * 320 + i * (30 + lap * 2);
            tcx += "<Trackpoint><Time>" + Clock(seconds) + "</Time><DistanceMeters>" +
                   std::to_string(lap * 1000 + i * 100) + "</DistanceMeters></Trackpoint>";
        }
        tcx += "</Track></Lap>";
    }
    tcx += "</Activity></Activities></TrainingCenterDatabase>";
    const ActivityReading reading = ReadActivityBytes(tcx);
    ASSERT_TRUE(reading.activity.has_value()) << reading.problem;
    const Activity& activity = *reading.activity;
    EXPECT_EQ(activity.format, "TCX");
    EXPECT_DOUBLE_EQ(activity.distanceMeters, 2000.0);
    EXPECT_DOUBLE_EQ(activity.movingSeconds, 620.0);
    EXPECT_DOUBLE_EQ(activity.elapsedSeconds, 640.0);
    const std::vector<BestEffort> efforts = FindBestEfforts(activity.series);
    ASSERT_GE(efforts.size(), 3u);
    EXPECT_DOUBLE_EQ(efforts[2].seconds, 300.0);  // 1 km: the first lap
}

TEST(TcxFile, LapsAloneGiveTheTotalsWithoutBestEfforts) {
    const ActivityReading reading = ReadActivityBytes(
        "<TrainingCenterDatabase><Activities><Activity><Id>2026-05-03T08:00:00Z</Id>"
        "<Lap StartTime=\"2026-05-03T08:00:00Z\"><TotalTimeSeconds>1085.5</TotalTimeSeconds>"
        "<DistanceMeters>5000</DistanceMeters></Lap></Activity></Activities>"
        "</TrainingCenterDatabase>");
    ASSERT_TRUE(reading.activity.has_value()) << reading.problem;
    EXPECT_DOUBLE_EQ(reading.activity->elapsedSeconds, 1085.5);
    EXPECT_DOUBLE_EQ(reading.activity->distanceMeters, 5000.0);
    EXPECT_TRUE(reading.activity->series.empty());
    EXPECT_NE(Text(*reading.activity).find("Best efforts: none"), std::string::npos);
}

TEST(ActivityFile, RefusesBadFilesWithTheReason) {
    std::vector<GpxPoint> backwards = Stretch(10, 25);
    backwards[5].time = Clock(10);
    std::vector<GpxPoint> untimed = Stretch(10, 25);
    for (GpxPoint& point : untimed) {
        point.time.clear();
    }
    const struct {
        const char* name;
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"empty", "", "not an activity file"},
        {"text", "distance 5 km, time 18:07", "not an activity file"},
        {"other XML", "<html><body/></html>", "not an activity file"},
        {"broken XML", "<gpx><trk><trkseg><trkpt", "not an activity file"},
        {"no points", "<gpx version=\"1.1\"><trk/></gpx>", "holds no track points"},
        {"no times", Gpx({untimed}), "have no times"},
        {"time backwards", Gpx({backwards}), "times go backwards at point 6"},
        {"one point", Gpx({Stretch(1, 25)}), "has no distance"},
        {"standing still", Gpx({{{0, Clock(0)}, {0, Clock(60)}}}), "has no distance"},
        {"TCX without activity", "<TrainingCenterDatabase/>", "holds no activity"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ActivityReading reading = ReadActivityBytes(c.bytes);
        EXPECT_FALSE(reading.activity.has_value());
        EXPECT_NE(reading.problem.find(c.problem), std::string::npos) << reading.problem;
    }
}

TEST(ActivityFile, NamesTheFileItCannotOpen) {
    const ActivityReading reading = ReadActivityFile("/nonexistent/run.gpx");
    EXPECT_EQ(reading.problem, "run.gpx: the file cannot be opened.");
}

}  // namespace
}  // namespace kestrova
