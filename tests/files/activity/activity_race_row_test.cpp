#include "files/activity/activity_race_row.hpp"

#include <gtest/gtest.h>

#include "files/activity/geodesy.hpp"
#include "files/activity/utc_time.hpp"

namespace kestrova {
namespace {

TEST(ActivityRaceRow, PutsDistanceInItsBestUnitAndTimeInTenths) {
    const struct {
        double meters;
        double seconds;
        const char* hours;
        const char* minutes;
        const char* secondsText;
        const char* number;
        DistanceUnit unit;
    } cases[] = {
        {5000, 1087, "0", "18", "07", "5", DistanceUnit::Kilometers},
        {5020, 1087.25, "0", "18", "07.2", "5", DistanceUnit::Kilometers},  // a watch's 5 km
        {5030, 1087.35, "0", "18", "07.4", "5.03", DistanceUnit::Kilometers},
        {400, 58.3, "0", "0", "58.3", "400", DistanceUnit::Meters},
        {1500, 239.96, "0", "4", "00", "1500", DistanceUnit::Meters},
        {1609.344, 299.99, "0", "5", "00", "1", DistanceUnit::Miles},
        {16093.44, 3600, "1", "0", "00", "10", DistanceUnit::Miles},
        {8000, 1800, "0", "30", "00", "8", DistanceUnit::Kilometers},  // not 5 miles (0.6 %)
        {21097.5, 4500.04, "1", "15", "00", "1", DistanceUnit::HalfMarathon},
        {42195, 10800, "3", "0", "00", "1", DistanceUnit::Marathon},
        {42400, 10800, "3", "0", "00", "1", DistanceUnit::Marathon},  // 0.49 % long
        {12345.6, 3599.95, "1", "0", "00", "12.35", DistanceUnit::Kilometers},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.meters);
        const RaceRowInputs row = ActivityRaceRow(c.meters, c.seconds);
        EXPECT_EQ(row.Check1, 1);
        EXPECT_EQ(row.Text1, c.hours);
        EXPECT_EQ(row.Text2, c.minutes);
        EXPECT_EQ(row.Text3, c.secondsText);
        EXPECT_EQ(row.Text4, c.number);
        EXPECT_EQ(row.SelectedUnit(), c.unit);
    }
}

TEST(ActivityRaceRow, FindsRowsThatHoldARace) {
    MainFormInputs form;
    EXPECT_FALSE(FirstFreeRow(form).has_value());
    ClearRaceRows(form);
    EXPECT_EQ(FirstFreeRow(form), 0);
    form.rows[0].Text3 = "58.3";
    form.rows[1].Text4 = "400";
    form.rows[2].Text2 = "  ";
    EXPECT_TRUE(RowHoldsRace(form.rows[0]));
    EXPECT_TRUE(RowHoldsRace(form.rows[1]));
    EXPECT_EQ(FirstFreeRow(form), 2);
}

TEST(GroundDistance, FollowsTheEllipsoidNotASphere) {
    // Lengths of one degree on WGS-84: along the equator a·π/180; of latitude from the equator
    // 110574.4 m; of longitude at 60° N 55800.0 m (a sphere gives 55597 m).
    EXPECT_NEAR(GroundDistance({0, 0}, {0, 1}), 111319.49, 0.01);
    EXPECT_NEAR(GroundDistance({0, 0}, {1, 0}), 110574.4, 1.0);
    EXPECT_NEAR(GroundDistance({60, 0}, {60, 1}), 55800.0, 1.0);
    EXPECT_NEAR(GroundDistance({0, 179.9995}, {0, -179.9995}), 111.32, 0.01);
    EXPECT_FALSE(IsValidPosition({91, 0}));
    EXPECT_FALSE(IsValidPosition({0, 181}));
}

TEST(UtcTime, ReadsTheTimesActivityFilesWrite) {
    const std::int64_t may3 = 1777766400;
    EXPECT_EQ(ReadIsoTime("2026-05-03T08:15:30Z"), may3 + 8 * 3600 + 15 * 60 + 30);
    EXPECT_EQ(ReadIsoTime(" 2026-05-03T10:15:30+02:00\n"), may3 + 8 * 3600 + 15 * 60 + 30);
    EXPECT_EQ(ReadIsoTime("2026-05-03T08:15:30.250Z"), may3 + 8 * 3600 + 15 * 60 + 30.25);
    EXPECT_EQ(ReadIsoTime("2026-05-03T08:15:30"), may3 + 8 * 3600 + 15 * 60 + 30);
    EXPECT_EQ(ReadIsoTime("2024-02-29T00:00:00Z"), 1709164800);
    for (const char* bad : {"", "2026-05-03", "2026-02-30T00:00:00Z", "2026-05-03T24:00:00Z",
                            "2026-05-03T08:15:30Q", "2026/05/03T08:15:30Z", "yesterday"}) {
        EXPECT_FALSE(ReadIsoTime(bad).has_value()) << bad;
    }
    EXPECT_EQ(UtcDateText(may3 + 8 * 3600 + 15 * 60 + 59), "2026-05-03 08:15 UTC");
    EXPECT_EQ(UtcDateText(0), "1970-01-01 00:00 UTC");
}

}  // namespace
}  // namespace kestrova
