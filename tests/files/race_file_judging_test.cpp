#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "file_access_fixture.hpp"
#include "files/race_list.hpp"
#include "files/race_plausibility.hpp"

namespace kestrova {
namespace {

using test_support::Bytes;
using test_support::FileAccessTest;
using test_support::FileBytes;
using test_support::FileOf;
using test_support::Race;

TEST(RacePlausibility, JudgesEachField) {
    const struct {
        void (*change)(SavedRaceRecord&);
        const char* reason;  // nullptr: plausible
    } cases[] = {
        {[](SavedRaceRecord&) {}, nullptr},
        // An empty entry row, as earlier versions stored one.
        {[](SavedRaceRecord& r) { r = SavedRaceRecord{}, r.raceNumber = 1; }, nullptr},
        {[](SavedRaceRecord& r) { r.minutes = 135.0F; }, nullptr},
        {[](SavedRaceRecord& r) { r.seconds = 4000.5F; }, nullptr},
        {[](SavedRaceRecord& r) { r.units = {' ', ' ', ' ', ' ', ' ', kUnitMark}; }, nullptr},
        {[](SavedRaceRecord& r) { r.comment[0] = '\xE4'; }, nullptr},
        {[](SavedRaceRecord& r) { r.raceNumber = 2; }, "it holds race number 2 in place of 1"},
        {[](SavedRaceRecord& r) { r.hours = std::numeric_limits<float>::infinity(); },
         "hours is not a finite number"},
        {[](SavedRaceRecord& r) { r.hours = -1.0F; }, "hours -1 is negative"},
        {[](SavedRaceRecord& r) { r.hours = 1001.0F; }, "hours 1001 is too large for a race"},
        {[](SavedRaceRecord& r) { r.minutes = 6.802314E-33F; },
         "minutes 6.802314E-33 is too small for a race"},
        {[](SavedRaceRecord& r) { r.minutes = 60.5F; },
         "minutes 60.5 is neither under 60 nor a whole number"},
        {[](SavedRaceRecord& r) { r.seconds = std::nanf(""); }, "seconds is not a finite number"},
        {[](SavedRaceRecord& r) { r.number = 3.4028235e38F; },
         "distance number 3.4028235E+38 is too large for a race"},
        {[](SavedRaceRecord& r) { r.units[0] = 'x'; }, "a unit mark is neither \"X\" nor a blank"},
        {[](SavedRaceRecord& r) { r.units[0] = kUnitMark; }, "more than one unit is marked"},
        {[](SavedRaceRecord& r) { r.comment[59] = '\0'; },
         "the comment holds a character that is not printable"},
        {[](SavedRaceRecord& r) { r.comment[3] = '\x81'; },
         "the comment holds a character that is not printable"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SavedRaceRecord race = Race(1, 18.7F, "Pärnu");
        cases[i].change(race);
        const std::optional<std::string> reason = ImplausibleBecause(race, 1);
        if (cases[i].reason == nullptr) {
            EXPECT_EQ(reason, std::nullopt) << "case " << i;
        } else {
            EXPECT_EQ(reason, cases[i].reason) << "case " << i;
        }
    }
}

TEST(RacePlausibility, AFileIsRefusedWhenMostOfItsRecordsAreDamaged) {
    std::vector<SavedRaceRecord> races = {Race(1, 1.0F), Race(2, 2.0F), Race(3, -3.0F),
                                          Race(4, -4.0F)};
    RaceFileVerdict verdict = JudgeRaceFile(races);
    EXPECT_EQ(verdict.damagedCount, 2);
    EXPECT_EQ(verdict.firstDamaged, 3);
    EXPECT_FALSE(verdict.Refused());
    races.push_back(Race(5, -5.0F));
    EXPECT_TRUE(JudgeRaceFile(races).Refused());
    EXPECT_FALSE(JudgeRaceFile({}).Refused());
}

// The start of a PNG image renamed to .kst: 3 bytes beyond its whole records.
std::string ImageBytes() {
    static constexpr char kHeader[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x02\x80\0\0\x01\xe0\x08";
    std::string bytes(kHeader, sizeof kHeader - 1);
    for (int i = 0; bytes.size() < 3 * kRecordBytes + 3; ++i) {
        bytes += static_cast<char>((i * 37 + 11) % 256);
    }
    return bytes;
}

TEST_F(FileAccessTest, AFileThatIsNoRaceFileIsRefusedAndNeverWritten) {
    const std::string bytes = ImageBytes();
    const std::string path = directory_.Write("image.kst", bytes).string();
    OpenExisting(state_, path, notifier_);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "The file \"" + path +
                                 "\" does not look like a saved race file (record 1: it holds race "
                                 "number 20617 in place of 1).");
    EXPECT_TRUE(state_.fileOpen);
    EXPECT_TRUE(state_.refused);
    EXPECT_FALSE(state_.CanAdd());
    EXPECT_TRUE(state_.listLines.empty());
    EXPECT_EQ(state_.Text9, "");
    const MainFormInputs before = form_;
    EXPECT_EQ(SelectLine(1), std::nullopt);
    EXPECT_EQ(form_, before);
    AddToFile(state_, test_support::Entry("1", "1"), notifier_);
    // "Open New" on it opens it just as well, without the "already exists" message.
    notifier_.Clear();
    OpenNew(state_, path, notifier_);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_FALSE(state_.CanAdd());
    EXPECT_EQ(FileBytes(path), bytes);
}

TEST_F(FileAccessTest, DamagedRecordsAreListedSoAndCannotBeSelected) {
    SavedRaceRecord twoMarks = Race(2, 2.0F);
    twoMarks.units[0] = kUnitMark;
    const std::string bytes = Bytes(Race(1, 1.0F)) + Bytes(twoMarks) + Bytes(Race(3, 3.0F));
    const std::string path = directory_.Write("runs.kst", bytes).string();
    OpenExisting(state_, path, notifier_);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "The file \"" + path +
                              "\" holds 1 damaged race (record 2: more than one unit is marked). "
                              "Damaged races are listed as such and cannot be selected."});
    EXPECT_EQ(state_.listLines,
              (std::vector<std::string>{RaceListLine(Race(1, 1.0F), 0),
                                        "    2  damaged: more than one unit is marked",
                                        RaceListLine(Race(3, 3.0F), 0)}));
    EXPECT_TRUE(state_.CanAdd());
    const MainFormInputs before = form_;
    EXPECT_EQ(SelectLine(2), std::nullopt);
    EXPECT_EQ(Messages().back(),
              "Race 2 is damaged (more than one unit is marked), so it cannot be used.");
    EXPECT_EQ(form_, before);
    EXPECT_EQ(SelectLine(3), 0);
    // Writing a good race over the damaged one mends it.
    AddToFile(state_, test_support::Entry("2", "9"), notifier_);
    EXPECT_EQ(state_.listLines[1], RaceListLine(Race(2, 9.0F), 0));
    EXPECT_EQ(FileBytes(path), Bytes(Race(1, 1.0F)) + Bytes(Race(2, 9.0F)) + Bytes(Race(3, 3.0F)));
}

}  // namespace
}  // namespace kestrova
