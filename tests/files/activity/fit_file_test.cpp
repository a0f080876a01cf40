// FIT files are written by the tests with FitFileBuilder (tests/support/fit_file_builder.hpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/activity/activity_file.hpp"
#include "files/activity/fit_decoder.hpp"
#include "support/fit_file_builder.hpp"

namespace kestrova {
namespace {

using test_support::FitFileBuilder;
using test_support::FitRun;
using test_support::kFitEnum;
using test_support::kFitSint32;
using test_support::kFitUint32;

constexpr std::uint32_t kStart = 1093000000;  // FIT time: 2024-08-19 11:06:40 UTC

TEST(FitCrc, GivesTheCheckValueOfCrc16Arc) {
    const std::string digits = "123456789";
    EXPECT_EQ(FitCrc({reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size()}),
              0xBB3D);
}

TEST(FitFile, GivesSessionTotalsAndRecordSeries) {
    // 1200 s at 4 m/s, and a session that adds 10 s of standing at the end.
    const ActivityReading reading =
        ReadActivityBytes(FitRun(kStart, 1201, 4.0, 1210, 1200, 4800).Text());
    ASSERT_TRUE(reading.activity.has_value()) << reading.problem;
    const Activity& activity = *reading.activity;
    EXPECT_EQ(activity.format, "FIT");
    EXPECT_DOUBLE_EQ(activity.elapsedSeconds, 1210.0);
    EXPECT_DOUBLE_EQ(activity.movingSeconds, 1200.0);
    EXPECT_DOUBLE_EQ(activity.distanceMeters, 4800.0);
    EXPECT_EQ(activity.startTime, kFitEpochUnixSeconds + kStart);
    ASSERT_EQ(activity.series.size(), 1201u);
    const std::vector<BestEffort> efforts = FindBestEfforts(activity.series);
    ASSERT_EQ(efforts.size(), 5u);  // up to 3 km
    EXPECT_NEAR(efforts[0].seconds, 100.0, 1e-9);
    EXPECT_NEAR(efforts[3].seconds, 1609.344 / 4.0, 1e-9);
    EXPECT_NEAR(efforts[4].seconds, 750.0, 1e-9);
}

TEST(FitFile, ReadsBigEndianMessagesCompressedTimesAndPositions) {
    // Records without a distance: positions (semicircles) 0.001 degrees of latitude apart, the
    // first with a timestamp, the others with 5-bit time offsets that roll over.
    FitFileBuilder fit;
    fit.Define(0, 20, {{253, 4, kFitUint32}, {0, 4, kFitSint32}, {1, 4, kFitSint32}}, true);
    const std::uint64_t step = 11930;  // semicircles in 0.001 degrees (2^31 / 180000)
    fit.Data(0, {kStart, 0, 0});
    fit.Define(1, 20, {{0, 4, kFitSint32}, {1, 4, kFitSint32}}, true);
    for (std::uint64_t i = 1; i <= 10; ++i) {
        fit.Compressed(1, static_cast<std::uint8_t>((kStart + 25 * i) & 0x1F), {i * step, 0});
    }
    const ActivityReading reading = ReadActivityBytes(fit.Text());
    ASSERT_TRUE(reading.activity.has_value()) << reading.problem;
    EXPECT_DOUBLE_EQ(reading.activity->elapsedSeconds, 250.0);
    EXPECT_NEAR(reading.activity->distanceMeters, 10 * 110.5743, 0.5);
}

// Every prefix of a valid file is refused, without reading past it (the sanitizers watch).
TEST(FitFile, RefusesEveryTruncation) {
    const std::vector<std::uint8_t> whole = FitRun(kStart, 30, 4.0, 30, 30, 116).Bytes();
    ASSERT_TRUE(ReadActivityBytes(std::string(whole.begin(), whole.end())).activity.has_value());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const std::vector<std::uint8_t> prefix(whole.begin(),
                                               whole.begin() + static_cast<long>(size));
        int visited = 0;
        EXPECT_FALSE(DecodeFit(prefix, [&](const FitDataMessage&) { ++visited; }).empty()) << size;
        EXPECT_EQ(visited, 0) << size;
        EXPECT_FALSE(ReadActivityBytes(std::string(prefix.begin(), prefix.end())).activity) << size;
    }
}

std::string Problem(const std::vector<std::uint8_t>& bytes) {
    return ReadActivityBytes(std::string(bytes.begin(), bytes.end())).problem;
}

TEST(FitFile, RefusesDamagedAndForeignFiles) {
    const std::vector<std::uint8_t> good = FitRun(kStart, 30, 4.0, 30, 30, 116).Bytes();
    std::vector<std::uint8_t> damaged = good;
    damaged[40] ^= 0x01;
    EXPECT_NE(Problem(damaged).find("CRC does not match its contents"), std::string::npos);
    std::vector<std::uint8_t> header = good;
    header[3] ^= 0x01;
    EXPECT_NE(Problem(header).find("header is damaged"), std::string::npos);

    FitFileBuilder course;
    course.Define(0, 0, {{0, 1, kFitEnum}}).Data(0, {6});
    EXPECT_NE(Problem(course.Bytes()).find("not an activity"), std::string::npos);

    FitFileBuilder early;
    early.Data(3, {});
    EXPECT_NE(Problem(early.Bytes()).find("before its definition"), std::string::npos);

    FitFileBuilder offsetFirst;
    offsetFirst.Define(0, 20, {{5, 4, kFitUint32}}).Compressed(0, 3, {100});
    EXPECT_NE(Problem(offsetFirst.Bytes()).find("time offset before any time"), std::string::npos);

    FitFileBuilder oddSize;
    oddSize.Define(0, 20, {{253, 3, kFitUint32}});
    EXPECT_NE(Problem(oddSize.Bytes()).find("impossible size"), std::string::npos);

    FitFileBuilder empty;
    EXPECT_NE(Problem(empty.Bytes()).find("no session, lap or timed record"), std::string::npos);

    std::vector<std::uint8_t> backwards = FitRun(kStart, 30, 4.0, 30, 30, 116).Bytes();
    FitFileBuilder reversed;
    reversed.Define(0, 20, {{253, 4, kFitUint32}, {5, 4, kFitUint32}});
    reversed.Data(0, {kStart + 10, 0}).Data(0, {kStart + 5, 400});
    EXPECT_NE(Problem(reversed.Bytes()).find("times go backwards"), std::string::npos);
}

}  // namespace
}  // namespace kestrova
