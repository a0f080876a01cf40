#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "analyses/power_table.hpp"
#include "analyses/slope_table.hpp"
#include "analyses/treadmill_table.hpp"

namespace kestrova {
namespace {

std::vector<std::string> PowerLines(double weightKg, PaceUnit unit) {
    LineBuffer sink;
    ShowPowerTable(weightKg, unit, sink);
    return sink.Lines();
}

std::vector<std::string> SlopeLines(int range, int gradeDefinition, PaceUnit unit) {
    LineBuffer sink;
    ShowSlopeTable({range, gradeDefinition, unit}, sink);
    return sink.Lines();
}

std::vector<std::string> TreadmillLines(PaceUnit unit) {
    LineBuffer sink;
    ShowTreadmillTable(unit, sink);
    return sink.Lines();
}

// The 7-character cell of column c (0-12) of a slope or treadmill row.
std::string Cell(const std::string& line, int c) {
    return line.substr(static_cast<std::size_t>(3 + 8 * c), 7);
}

void ExpectEmpty(const std::vector<std::string>& lines, std::size_t count) {
    ASSERT_GE(lines.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(lines[i], "") << i;
    }
}

TEST(PowerTable, MileTableAt72_7Kg) {
    const auto lines = PowerLines(72.7, PaceUnit::Mile);
    ASSERT_EQ(lines.size(), 5u + 28u + 2u);
    ExpectEmpty(lines, 5);
    EXPECT_EQ(lines[5],
              "   3:00   20.0     987       4066   3950     3498   3398     48.1         175"
              "      170");
    EXPECT_EQ(lines[14],
              "   6:00   10.0     347       1505   1389     1295   1195     17.8         130"
              "      120");
    EXPECT_EQ(lines[32],
              "  12:00    5.0     131        639    522      550    450      7.6         110"
              "       90");
    EXPECT_EQ(lines[33], "");
    EXPECT_EQ(lines[34], "  Values for a 160 pound (72.7 kilogram) person.");
}

TEST(PowerTable, MetricTableRunsFrom1_45To8_30InKilojoules) {
    const auto rows = ComputePowerTable(72.7, PaceUnit::Kilometer);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_NEAR(rows.front().paceSeconds, 104.9995, 1e-9);
    EXPECT_NEAR(rows.back().paceSeconds, 509.9995, 1e-9);
    const auto lines = PowerLines(72.7, PaceUnit::Kilometer);
    EXPECT_EQ(lines[5],
              "   1:45   34.3    1093       4488   4371    16155  15737     53.1         471"
              "      459");
    EXPECT_EQ(lines[32],
              "   8:30    7.1     109        552    436     1987   1569      6.5         282"
              "      222");
}

TEST(PowerTable, FooterFollowsTheWeightBar) {
    const std::pair<double, const char*> cases[] = {
        {13.64, "  Values for a 30 pound (13.64 kilogram) person."},
        {136.36, "  Values for a 300 pound (136.36 kilogram) person."},
        {72.5, "  Values for a 160 pound (72.5 kilogram) person."},  // 159.5 to the even 160
    };
    for (const auto& [kg, footer] : cases) {
        EXPECT_EQ(PowerLines(kg, PaceUnit::Mile).back(), footer);
    }
    // Power scales with the weight; METs do not.
    const auto light = ComputePowerTable(13.64, PaceUnit::Mile);
    const auto reference = ComputePowerTable(72.7, PaceUnit::Mile);
    EXPECT_NEAR(light[9].net, reference[9].net * 13.64 / 72.7, 1e-9);
    EXPECT_NEAR(light[9].mets, reference[9].mets, 1e-9);
}

TEST(SlopeTable, HeadingsOfTheFourRanges) {
    const char* headings[] = {
        "   -0.06   -0.05   -0.04   -0.03   -0.02   -0.01    0.00    0.01    0.02    0.03    0.04"
        "    0.05    0.06",
        "   -0.12   -0.10   -0.08   -0.06   -0.04   -0.02    0.00    0.02    0.04    0.06    0.08"
        "    0.10    0.12",
        "   -0.18   -0.15   -0.12   -0.09   -0.06   -0.03    0.00    0.03    0.06    0.09    0.12"
        "    0.15    0.18",
        "   -0.36   -0.30   -0.24   -0.18   -0.12   -0.06    0.00    0.06    0.12    0.18    0.24"
        "    0.30    0.36",
    };
    for (int range = 1; range <= 4; ++range) {
        SCOPED_TRACE(range);
        const auto lines = SlopeLines(range, 1, PaceUnit::Mile);
        ASSERT_EQ(lines.size(), 3u + 2u + 19u);
        ExpectEmpty(lines, 3);
        EXPECT_EQ(lines[3], headings[range - 1]);
        EXPECT_EQ(lines[4], "");
        // The grade-0 column repeats the level pace, 3:00 to 12:00 per mile.
        EXPECT_EQ(Cell(lines[5], 6), " 3:00  ");
        EXPECT_EQ(Cell(lines[23], 6), "12:00  ");
    }
}

// The windows' example texts, read from the tables.
TEST(SlopeTable, ExamplePacesInBothUnitsAndGradeDefinitions) {
    const std::tuple<PaceUnit, int, std::size_t, const char*, const char*> cases[] = {
        {PaceUnit::Mile, 1, 13, " 9:24  ", " 5:42  "},
        {PaceUnit::Mile, 2, 13, " 9:23  ", " 5:42  "},
        {PaceUnit::Kilometer, 1, 14, " 6:50  ", " 4:00  "},
        {PaceUnit::Kilometer, 2, 14, " 6:50  ", " 4:01  "},
    };
    for (const auto& [unit, gradeDefinition, line, up, down] : cases) {
        SCOPED_TRACE(gradeDefinition);
        const auto lines = SlopeLines(1, gradeDefinition, unit);
        EXPECT_EQ(Cell(lines[line], 6), unit == PaceUnit::Mile ? " 7:00  " : " 5:00  ");
        EXPECT_EQ(Cell(lines[line], 12), up);
        EXPECT_EQ(Cell(lines[line], 0), down);
    }
    EXPECT_EQ(SlopeLines(1, 1, PaceUnit::Mile)[13],
              "    5:42    5:51    6:02    6:14    6:27    6:43    7:00    7:19    7:40    8:03"
              "    8:28    8:55    9:24  ");
    const auto metric = SlopeLines(2, 1, PaceUnit::Kilometer);
    EXPECT_EQ(Cell(metric[5], 6), " 2:00  ");
    EXPECT_EQ(Cell(metric[23], 6), " 8:00  ");
}

// Range 4 goes beyond the descent where the climbing term turns positive again (-0.25); its
// cells keep what the formulas give. A pace of an hour or more is shown whole, reaching into the
// blanks before its cell, or moving the columns after it when those are too few.
TEST(SlopeTable, SteepestRangeShowsHoursWhole) {
    const auto lines = SlopeLines(4, 1, PaceUnit::Mile);
    EXPECT_EQ(lines[5],
              "    3:20    3:07    2:56    2:38    2:33    2:40    3:00    3:36    4:33"
              "    5:53    7:36    9:43   12:12  ");
    EXPECT_EQ(lines[16],
              "   10:27    9:08    8:07    6:36    6:12    6:46    8:30   11:42   16:35"
              "   23:16   31:44   42:00   54:01  ");
    EXPECT_EQ(lines[18],
              "   11:49   10:15    9:03    7:16    6:48    7:28    9:30   13:15   19:01"
              "   26:52   36:49   48:47 1:07:52  ");
    EXPECT_EQ(lines[23],
              "   15:20   13:04   11:22    8:54    8:14    9:10   12:00   17:16   25:19"
              "   36:18   50:09 1:07:02 1:42:32  ");
    EXPECT_EQ(SlopeLines(4, 1, PaceUnit::Kilometer)[23].substr(97), "1:10:04  ");

    // Cells under an hour stay as they were; the hour cells keep their ends in line.
    std::vector<std::vector<std::string>> cells = {{"   --  ", "1:07:52  "},
                                                   {"12:00  ", " 7:00  "}};
    std::vector<std::string> laid;
    EXPECT_EQ(LayOutSlopeRows(cells, laid)[1], 0);
    EXPECT_EQ(laid[0], "      -- 1:07:52  ");
    EXPECT_EQ(laid[1], "   12:00    7:00  ");
    // Ten hours and more, or a cell before it that leaves too few blanks, widen the table.
    cells = {{"   45.3", "12:07:52  ", " 3:00  "}, {" 2:00  ", " 7:00  ", " 3:00  "}};
    const auto shifts = LayOutSlopeRows(cells, laid);
    EXPECT_EQ(shifts[0], 0);
    EXPECT_EQ(shifts[1], 3);
    EXPECT_EQ(shifts[2], 3);
    EXPECT_EQ(laid[0], "      45.3 12:07:52    3:00  ");
    EXPECT_EQ(laid[1], "    2:00       7:00    3:00  ");
    const auto rows = ComputeSlopeTable({4, 2, PaceUnit::Kilometer});
    for (const SlopeTableRow& row : rows) {
        for (const SlopeTableCell& cell : row.cells) {
            ASSERT_TRUE(cell.speed.has_value());
            EXPECT_GT(*cell.speed, 0.0);
        }
    }
    // Horizontal grades are turned into slightly gentler slopes along the surface.
    EXPECT_NEAR(rows[0].cells[12].slope, 0.36 / std::sqrt(1.0 + 0.36 * 0.36), 1e-12);
}

// A speed with no answer (reachable only through other callers of the searches) shows as a
// placeholder, never as NaN or a negative pace.
TEST(TableCells, PlaceholderForNoSpeed) {
    EXPECT_EQ(SpeedPaceCell(std::nullopt, PaceUnit::Mile), "   --  ");
    EXPECT_EQ(SpeedPaceCell(-2.0, PaceUnit::Kilometer), "   --  ");
    EXPECT_EQ(SpeedPaceCell(0.0, PaceUnit::Mile), "   --  ");
    EXPECT_EQ(SpeedPaceCell(1609.344 / 420, PaceUnit::Mile), " 7:00  ");
    EXPECT_EQ(SpeedPaceCell(1000.0 / 300, PaceUnit::Kilometer), " 5:00  ");
}

TEST(TreadmillTable, MileAndKilometreTables) {
    const auto miles = TreadmillLines(PaceUnit::Mile);
    ASSERT_EQ(miles.size(), 4u + 2u + 36u);
    ExpectEmpty(miles, 4);
    const std::string heading =
        "   Speed   Pace     0.00    0.01    0.02    0.03    0.04    0.05"
        "    0.06    0.07    0.08    0.09    0.10";
    EXPECT_EQ(miles[4], heading);
    EXPECT_EQ(miles[5], "");
    EXPECT_EQ(miles[6],
              "    5.0    12:00   12:09   11:29   10:52   10:17    9:45    9:14    8:46"
              "    8:20    7:56    7:34    7:13  ");
    // 9.0 mph: a 6:40 pace, slower on the level belt (no air), 6:01 at a 3 % incline.
    EXPECT_EQ(miles[26],
              "    9.0     6:40    6:53    6:35    6:18    6:01    5:45    5:31    5:17"
              "    5:03    4:51    4:39    4:28  ");
    EXPECT_EQ(miles[41].substr(0, 16), "   12.0     5:00");

    const auto km = TreadmillLines(PaceUnit::Kilometer);
    EXPECT_EQ(km[4], heading);
    EXPECT_EQ(km[6].substr(0, 16), "    6.0    10:00");
    EXPECT_EQ(km[24],
              "   15.0     4:00    4:08    3:57    3:47    3:37    3:28    3:19    3:11"
              "    3:03    2:56    2:49    2:42  ");
    EXPECT_EQ(km[41].substr(0, 16), "   23.5     2:33");
}

}  // namespace
}  // namespace kestrova
