#include "files/file_access.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <string>

#include "file_access_fixture.hpp"
#include "files/race_file.hpp"
#include "files/race_list.hpp"
#include "files/settings_file.hpp"
#include "support/device_files.hpp"

namespace kestrova {
namespace {

using test_support::Entry;
using test_support::FileAccessTest;
using test_support::FileBytes;
using test_support::FileOf;
using test_support::Race;

TEST_F(FileAccessTest, OpenNewAppendsTheExtensionUnlessTheNameEndsInExactlyKst) {
    const struct {
        const char* typed;
        const char* created;
    } cases[] = {{"runs", "runs.kst"}, {"runs.kst", "runs.kst"}, {"RUNS.KST", "RUNS.KST.kst"}};
    for (const auto& c : cases) {
        OpenNew(state_, PathOf(c.typed), notifier_);
        EXPECT_EQ(state_.openFile, PathOf(c.created));
        EXPECT_TRUE(std::filesystem::exists(PathOf(c.created))) << c.typed;
        EXPECT_TRUE(state_.CanAdd());
        EXPECT_EQ(state_.Text9, "1");
        std::filesystem::remove(PathOf(c.created));
    }
    EXPECT_TRUE(notifier_.Messages().empty());
}

TEST_F(FileAccessTest, WritesGoToTheOpenedFileWhereverTheCurrentDirectoryMoves) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(directory_.Path());
    OpenNew(state_, "runs", notifier_);
    std::filesystem::create_directory("elsewhere");
    std::filesystem::current_path("elsewhere");
    AddToFile(state_, Entry("1", "1"), notifier_);
    std::filesystem::current_path(previous);
    EXPECT_EQ(std::filesystem::file_size(PathOf("runs.kst")), 84u);
    EXPECT_FALSE(std::filesystem::exists(PathOf("elsewhere/runs.kst")));
}

TEST_F(FileAccessTest, AddingRaceOneToANewFileGivesEightyFourBytes) {
    OpenNew(state_, PathOf("new"), notifier_);
    RaceEntryRow entry = Entry(state_.Text9, "18.7");
    entry.Text5 = std::string(70, 'c');
    AddToFile(state_, entry, notifier_);
    const std::string bytes = FileBytes(PathOf("new.kst"));
    ASSERT_EQ(bytes.size(), 84u);
    const RecordBytes expected = EncodeRecord(Race(1, 18.7F, std::string(60, 'c').c_str()));
    EXPECT_EQ(bytes, std::string(expected.begin(), expected.end()));
    EXPECT_EQ(state_.Text9, "2");
    EXPECT_EQ(state_.listLines,
              (std::vector<std::string>{RaceListLine(Race(1, 18.7F), 0).substr(0, 55) +
                                        std::string(60, 'c') + " "}));
}

TEST_F(FileAccessTest, ReplacingARaceListsItOnceAndKeepsTheNextNumber) {
    const std::string path = OpenFileOf(3);
    const std::string before = FileBytes(path);
    AddToFile(state_, Entry("2", "99"), notifier_);
    const std::string after = FileBytes(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 84), before.substr(0, 84));
    EXPECT_EQ(after.substr(168), before.substr(168));
    EXPECT_EQ(DecodeRecord(*reinterpret_cast<const RecordBytes*>(after.data() + 84)).seconds, 99.F);
    EXPECT_EQ(state_.listLines.size(), 3u);
    EXPECT_EQ(state_.listLines[1], RaceListLine(Race(2, 99.0F), 0));
    EXPECT_EQ(state_.Text9, "4");
    // Line 2 shows the new race 2, and selecting it copies it; replacing it again keeps its mark.
    ASSERT_EQ(SelectLine(2), 0);
    EXPECT_EQ(form_.rows[0].Text3, "99");
    AddToFile(state_, Entry("2", "98"), notifier_);
    EXPECT_EQ(state_.listLines, (std::vector<std::string>{RaceListLine(Race(1, 101.0F), 0),
                                                          RaceListLine(Race(2, 98.0F), 1),
                                                          RaceListLine(Race(3, 103.0F), 0)}));
}

TEST_F(FileAccessTest, FiveSelectionsFillRowsZeroToFourThenASixthIsRefused) {
    OpenFileOf(6);
    for (int line = 1; line <= 5; ++line) {
        EXPECT_EQ(SelectLine(line), line - 1);
    }
    for (int n = 1; n <= 5; ++n) {
        const RaceRowInputs& row = form_.rows[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(row.Text3, FloatText(100.0F + static_cast<float>(n)));
        EXPECT_EQ(row.Check1, 1);
        EXPECT_EQ(state_.listLines[static_cast<std::size_t>(n - 1)].substr(0, 2),
                  " " + std::to_string(n));
    }
    const FileAccessState before = state_;
    const MainFormInputs formBefore = form_;
    EXPECT_EQ(SelectLine(6), std::nullopt);
    EXPECT_EQ(notifier_.Messages().back(),
              (Message{"Already picked 5 races - omit one first.", "", true}));
    EXPECT_EQ(form_, formBefore);
    EXPECT_EQ(state_.listLines, before.listLines);
}

TEST_F(FileAccessTest, OmittingFreesItsRowForTheNextSelection) {
    OpenFileOf(7);
    for (int line = 1; line <= 5; ++line) {
        SelectLine(line);
    }
    Click(3);
    EXPECT_EQ(OmitRace(state_, form_, notifier_), 2);
    EXPECT_EQ(form_.rows[2].Check1, 0);
    EXPECT_EQ(form_.rows[2].Text1 + form_.rows[2].Text3 + form_.rows[2].Text4, "");
    EXPECT_TRUE(form_.rows[2].unitOption[3]);  // the unit stays
    EXPECT_EQ(state_.listLines[2].substr(0, 2), "  ");
    EXPECT_EQ(SelectLine(6), 2);
    EXPECT_EQ(state_.listLines[5].substr(0, 2), " 3");
    // With rows 1 and 2 freed, the rows fill from the freed row onwards: the second selection
    // overwrites row 3 and clears the mark of the race that was there.
    Click(2);
    OmitRace(state_, form_, notifier_);
    Click(6);
    OmitRace(state_, form_, notifier_);
    EXPECT_EQ(SelectLine(7), 2);
    EXPECT_EQ(SelectLine(3), 3);
    EXPECT_EQ(state_.listLines[3].substr(0, 2), "  ");
    EXPECT_EQ(state_.listLines[2].substr(0, 2), " 4");
    EXPECT_EQ(state_.pickedCount, 5);

    Click(1);
    OmitRace(state_, form_, notifier_);
    EXPECT_EQ(OmitRace(state_, form_, notifier_), std::nullopt);
    EXPECT_EQ(notifier_.Messages().back(), (Message{"Not already selected.", "", true}));
}

TEST_F(FileAccessTest, StoredFloatsShowInTheirShortestFormInTheRaceRow) {
    OpenNew(state_, PathOf("new"), notifier_);
    AddToFile(state_, Entry("1", "18.7"), notifier_);
    form_.rows[0].SelectUnit(DistanceUnit::Miles);
    notifier_.AnswerWith(true);
    SelectLine(1);
    EXPECT_EQ(notifier_.Questions().size(), 1u);
    EXPECT_EQ(form_.rows[0].Text2, "2");
    EXPECT_EQ(form_.rows[0].Text3, "18.7");
    EXPECT_EQ(form_.rows[0].SelectedUnit(), DistanceUnit::Meters);
}

TEST_F(FileAccessTest, OpenNewOnAnExistingFileKeepsAndListsItsRaces) {
    const std::string path = directory_.Write("runs.kst", FileOf(3)).string();
    OpenNew(state_, PathOf("runs"), notifier_);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("already exists"), std::string::npos);
    EXPECT_EQ(state_.listLines.size(), 3u);
    EXPECT_EQ(state_.Text9, "4");
    EXPECT_TRUE(state_.CanAdd());
    EXPECT_EQ(FileBytes(path), FileOf(3));
}

TEST_F(FileAccessTest, MissingEmptyAndUnnamedFiles) {
    OpenExisting(state_, PathOf("missing.kst"), notifier_);
    EXPECT_EQ(Messages(), std::vector<std::string>{"The file \"" + PathOf("missing.kst") +
                                                   "\" does not exist."});
    EXPECT_FALSE(state_.fileOpen);
    EXPECT_FALSE(std::filesystem::exists(PathOf("missing.kst")));

    OpenFileOf(0, "empty.kst");
    EXPECT_TRUE(state_.CanAdd());
    EXPECT_TRUE(state_.listLines.empty());
    EXPECT_EQ(state_.Text9, "1");

    notifier_.Clear();
    OpenNew(state_, "", notifier_);
    OpenExisting(state_, "", notifier_);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "You must specify a file name in the box to create a new file.",
                              "Please select a file."}));
    EXPECT_FALSE(state_.fileOpen);
}

TEST_F(FileAccessTest, AFileEndingInAnIncompleteRecordIsListedButNotWritten) {
    const std::string bytes = FileOf(2) + std::string(30, 'z');
    const std::string path = directory_.Write("cut.kst", bytes).string();
    OpenExisting(state_, path, notifier_);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "The file \"" + path +
                              "\" ends with an incomplete record of 30 bytes. Its whole races are "
                              "listed, but nothing can be added to it."});
    EXPECT_EQ(state_.listLines.size(), 2u);
    EXPECT_TRUE(state_.fileOpen);
    EXPECT_FALSE(state_.CanAdd());
    AddToFile(state_, Entry("3", "1"), notifier_);
    const RaceWrite write = WriteRaceRecord(path, Race(3, 1.0F), {2 * kRecordBytes, {}});
    EXPECT_EQ(write.status, RaceWriteStatus::Failed);
    EXPECT_EQ(write.reason, "the file ends with an incomplete record");
    EXPECT_EQ(FileBytes(path), bytes);
}

TEST_F(FileAccessTest, RaceNumbersOutsideOneToTheNextFreeAreRefused) {
    const std::string path = OpenFileOf(3);
    for (const char* number : {"0", "-1", "1.5", "5", "abc", "1e300"}) {
        notifier_.Clear();
        AddToFile(state_, Entry(number, "1"), notifier_);
        EXPECT_EQ(Messages(), std::vector<std::string>{"The race number must be a whole number "
                                                       "from 1 to 4, the next available race "
                                                       "number."})
            << number;
    }
    EXPECT_EQ(FileBytes(path), FileOf(3));
    EXPECT_EQ(state_.listLines.size(), 3u);
    AddToFile(state_, Entry(" 4", "1"), notifier_);
    EXPECT_EQ(FileBytes(path).size(), 4u * 84u);
}

TEST_F(FileAccessTest, FilesOfMoreThanNinetyNineRacesAreUsedInFull) {
    OpenFileOf(120);
    EXPECT_EQ(state_.listLines.size(), 120u);
    EXPECT_EQ(state_.Text9, "121");
    EXPECT_EQ(SelectLine(120), 0);
    EXPECT_EQ(form_.rows[0].Text3, "220");
    AddToFile(state_, Entry("121", "1"), notifier_);
    EXPECT_EQ(state_.Text9, "122");
    EXPECT_TRUE(notifier_.Messages().empty());
    // Beyond the highest race number a record can hold, the file is listed as far as it goes.
    OpenFileOf(kMostRaceNumber + 1, "huge.kst");
    EXPECT_EQ(state_.listLines.size(), static_cast<std::size_t>(kMostRaceNumber));
    EXPECT_FALSE(state_.CanAdd());
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(FileAccessTest, OpeningAnotherFileClearsTheMarks) {
    OpenFileOf(3, "a.kst");
    SelectLine(1);
    SelectLine(2);
    OpenFileOf(3, "b.kst");
    EXPECT_EQ(state_.formRowOf, std::vector<int>(4, 0));
    EXPECT_EQ(state_.pickedCount, 0);
    EXPECT_EQ(state_.nextFormRow, 0);
    EXPECT_EQ(state_.listLines[0].substr(0, 2), "  ");
}

TEST_F(FileAccessTest, AFailedWriteChangesNothing) {
    const std::string path = OpenFileOf(2);
    std::filesystem::remove(path);
    AddToFile(state_, Entry("3", "1"), notifier_);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Race 3 could not be written to \"" + path +
                                                   "\": No such file or directory."});
    EXPECT_EQ(state_.Text9, "3");
    EXPECT_EQ(state_.listLines.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(FileAccessTest, AFullDiskGivesTheReason) {
    if (const auto skip = test_support::NotTheDevice("/dev/full", 1, 7)) {
        GTEST_SKIP() << *skip;
    }
    EXPECT_EQ(WriteRaceRecord("/dev/full", Race(1, 1.0F), {}).reason, "No space left on device");
}

TEST_F(FileAccessTest, AReadOnlyFileIsLeftAsItWas) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind the superuser";
    }
    const std::string path = OpenFileOf(2);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    AddToFile(state_, Entry("1", "1"), notifier_);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Race 1 could not be written to \"" + path +
                                                   "\": Permission denied."});
    EXPECT_EQ(FileBytes(path), FileOf(2));
}

TEST_F(FileAccessTest, OpenExistingTriesTheNameThenTheNameWithItsExtension) {
    const std::string path = directory_.Write("runs.kst", FileOf(2)).string();
    OpenExisting(state_, PathOf("runs"), notifier_);
    EXPECT_TRUE(notifier_.Messages().empty());
    EXPECT_EQ(state_.openFile, path);
    EXPECT_EQ(state_.listLines.size(), 2u);
    // A file of the very name typed comes first.
    directory_.Write("runs", FileOf(1));
    OpenExisting(state_, PathOf("runs"), notifier_);
    EXPECT_EQ(state_.openFile, PathOf("runs"));
    EXPECT_EQ(state_.listLines.size(), 1u);
    OpenExisting(state_, PathOf("none"), notifier_);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"The file \"" + PathOf("none") + "\" does not exist."});
    EXPECT_FALSE(std::filesystem::exists(PathOf("none.kst")));
}

TEST_F(FileAccessTest, ARaceWithoutTimeDistanceOrUnitIsNotAdded) {
    const std::string path = OpenFileOf(2);
    RaceEntryRow empty;
    empty.Text9 = "3";
    RaceEntryRow noUnit = Entry("3", "1");
    noUnit.unitOption = {};
    RaceEntryRow noTime = Entry("3", "");
    noTime.Text2 = " ";
    RaceEntryRow noNumber = Entry("1", "1");
    noNumber.Text4 = "abc";
    RaceEntryRow tooLong = Entry("3", "1");
    tooLong.Text2 = "75.5";
    const struct {
        RaceEntryRow entry;
        const char* message;
    } cases[] = {
        {empty, "The race cannot be added without a time, a distance number and a unit."},
        {noUnit, "The race cannot be added without a unit."},
        {noTime, "The race cannot be added without a time."},
        {noNumber, "The race cannot be added without a distance number."},
        {tooLong, "The race cannot be added: minutes 75.5 is neither under 60 nor a whole number."},
    };
    for (const auto& c : cases) {
        notifier_.Clear();
        AddToFile(state_, c.entry, notifier_);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
    }
    EXPECT_EQ(FileBytes(path), FileOf(2));
    EXPECT_EQ(state_.listLines.size(), 2u);
    EXPECT_EQ(state_.Text9, "3");
    // A marathon needs no number, and a comment's control characters are stored as blanks.
    RaceEntryRow marathon;
    marathon.Text1 = "3";
    marathon.unitOption[4] = true;
    marathon.Text5 = "a\tb";
    marathon.Text9 = "3";
    notifier_.Clear();
    AddToFile(state_, marathon, notifier_);
    EXPECT_TRUE(notifier_.Messages().empty());
    EXPECT_EQ(CommentText(state_.raceTable[3]).substr(0, 4), "a b ");
    EXPECT_EQ(FileBytes(path).size(), 3 * kRecordBytes);
}

// Start-up sample races: row 1 holds 400 m in 58.3 s, row 2 800 m in 2:18.7.
TEST_F(FileAccessTest, SelectAsksBeforeReplacingATypedRace) {
    OpenFileOf(3);
    form_.rows[1].Text4 = "1000";  // the user typed 1000 m into row 2
    EXPECT_EQ(SelectLine(1), 0);   // row 1 holds the sample race: no question
    EXPECT_TRUE(notifier_.Questions().empty());
    const FileAccessState before = state_;
    const MainFormInputs formBefore = form_;
    EXPECT_EQ(SelectLine(2), std::nullopt);  // cancelled
    ASSERT_EQ(notifier_.Questions().size(), 1u);
    EXPECT_EQ(notifier_.Questions()[0], (Question{"Row 2 holds 1000 m in 2:19. Replace it "
                                                  "with race 2?",
                                                  "", "Replace", "Cancel"}));
    EXPECT_EQ(form_, formBefore);
    EXPECT_EQ(state_.listLines, before.listLines);
    EXPECT_EQ(state_.nextFormRow, 1);
    EXPECT_EQ(state_.pickedCount, 1);
    notifier_.AnswerWith(true);
    EXPECT_EQ(SelectLine(2), 1);
    EXPECT_EQ(form_.rows[1].Text3 + form_.rows[1].Text4, "102800");
}

TEST(CopiedRaceRows, TellsTypedRacesFromCopiedSampleAndEmptyRows) {
    CopiedRaceRows copied;
    const std::array<RaceRowInputs, kRaceRowCount> samples = MainFormInputs::StartUpRows();
    RaceRowInputs half;
    half.Text1 = "1";
    half.Text2 = "29";
    half.Text3 = "58";
    half.SelectUnit(DistanceUnit::HalfMarathon);
    RaceRowInputs blank;
    blank.Text1 = "  ";
    blank.Check1 = 1;
    EXPECT_TRUE(copied.HoldsTypedRace(0, half));
    EXPECT_FALSE(copied.HoldsTypedRace(0, blank));
    EXPECT_FALSE(copied.HoldsTypedRace(3, samples[3]));
    EXPECT_TRUE(copied.HoldsTypedRace(2, samples[3]));  // a sample race in another row
    copied.Remember(0, half);
    half.Check1 = 1;
    EXPECT_FALSE(copied.HoldsTypedRace(0, half));
    EXPECT_TRUE(copied.HoldsTypedRace(1, half));
    half.Text3 = "59";
    EXPECT_TRUE(copied.HoldsTypedRace(0, half));
    EXPECT_FALSE(copied.HoldsTypedRace(5, half));
    EXPECT_EQ(RaceRowSummary(half), "half marathon in 1:29:59");
    EXPECT_EQ(RaceRowSummary(samples[3]), "5 km in 18:07");
    EXPECT_EQ(RaceRowSummary(blank), "no distance in no time");
}

// The sample races come back from a saved settings file with "02" as "2": after a restart they
// are still the sample races, not typed ones.
TEST(CopiedRaceRows, SampleRacesBroughtBackBySettingsAreNotTyped) {
    MainFormInputs form;
    ASSERT_EQ(ApplySettingsText(SettingsText(MainFormInputs{}), form), 66);
    ASSERT_EQ(form.rows[2].Text3, "2");
    const CopiedRaceRows copied;
    for (int row = 0; row < kRaceRowCount; ++row) {
        EXPECT_FALSE(copied.HoldsTypedRace(row, form.rows[static_cast<std::size_t>(row)])) << row;
    }
    form.rows[2].Text3 = "2.5";
    EXPECT_TRUE(copied.HoldsTypedRace(2, form.rows[2]));
}

}  // namespace
}  // namespace kestrova
