// Two file access windows (or two running copies of the program) on one race file: neither ever
// overwrites a race the other added.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>

#include "file_access_fixture.hpp"
#include "files/race_list.hpp"

namespace kestrova {
namespace {

using test_support::Bytes;
using test_support::Entry;
using test_support::FileAccessTest;
using test_support::FileBytes;
using test_support::FileOf;
using test_support::Race;

class RaceFileSharingTest : public FileAccessTest {
  protected:
    FileAccessState second_;
    RecordingNotifier secondNotifier_;
};

TEST_F(RaceFileSharingTest, InterleavedAddsKeepEveryRace) {
    const std::string path = OpenFileOf(3, "three.kst");
    OpenExisting(second_, path, secondNotifier_);
    EXPECT_EQ(state_.Text9, "4");
    EXPECT_EQ(second_.Text9, "4");

    AddToFile(second_, Entry(second_.Text9, "44"), secondNotifier_);
    ASSERT_EQ(FileBytes(path).size(), 4 * kRecordBytes);
    const std::string afterSecond = FileBytes(path);
    // The first window's race 4 would replace the second's: nothing is written, and the first
    // window now lists the file as it is.
    AddToFile(state_, Entry(state_.Text9, "55"), notifier_);
    EXPECT_EQ(FileBytes(path), afterSecond);
    EXPECT_EQ(Messages(), std::vector<std::string>{"The file \"" + path +
                                                   "\" was changed by another program; it now "
                                                   "holds 4 races. Nothing was written: look at "
                                                   "the list and add the race again."});
    EXPECT_EQ(state_.listLines.size(), 4u);
    EXPECT_EQ(state_.Text9, "5");
    AddToFile(state_, Entry(state_.Text9, "55"), notifier_);
    AddToFile(second_, Entry(second_.Text9, "66"), secondNotifier_);
    AddToFile(second_, Entry(second_.Text9, "66"), secondNotifier_);
    EXPECT_EQ(FileBytes(path),
              FileOf(3) + Bytes(Race(4, 44.0F)) + Bytes(Race(5, 55.0F)) + Bytes(Race(6, 66.0F)));
    EXPECT_EQ(second_.listLines.size(), 6u);
    EXPECT_EQ(secondNotifier_.Messages().size(), 1u);
}

TEST_F(RaceFileSharingTest, AReplacementOfARaceChangedMeanwhileIsNotWritten) {
    const std::string path = OpenFileOf(3);
    OpenExisting(second_, path, secondNotifier_);
    Click(2);
    ASSERT_EQ(SelectRace(state_, form_, copied_, notifier_), 0);
    AddToFile(second_, Entry("2", "22"), secondNotifier_);
    const std::string afterSecond = FileBytes(path);
    AddToFile(state_, Entry("2", "33"), notifier_);
    EXPECT_EQ(FileBytes(path), afterSecond);
    EXPECT_EQ(state_.listLines[1], RaceListLine(Race(2, 22.0F), 1));  // the mark stays
    // A replacement of a race nobody changed goes through, though the file grew meanwhile.
    AddToFile(second_, Entry("4", "44"), secondNotifier_);
    AddToFile(state_, Entry("1", "11"), notifier_);
    EXPECT_EQ(FileBytes(path), Bytes(Race(1, 11.0F)) + Bytes(Race(2, 22.0F)) +
                                   Bytes(Race(3, 103.0F)) + Bytes(Race(4, 44.0F)));
}

TEST_F(RaceFileSharingTest, AFileOverwrittenWithOtherBytesIsRefusedAndNotWritten) {
    const std::string path = OpenFileOf(2);
    const std::string other(3 * kRecordBytes, '\xff');
    directory_.Write("runs.kst", other);
    AddToFile(state_, Entry("3", "1"), notifier_);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "The file \"" + path +
                              "\" does not look like a saved race file (record 1: it holds race "
                              "number -1 in place of 1)."});
    EXPECT_TRUE(state_.listLines.empty());
    EXPECT_FALSE(state_.CanAdd());
    EXPECT_EQ(FileBytes(path), other);
}

TEST_F(RaceFileSharingTest, AFileLockedByAnotherProgramIsNotWritten) {
    const std::string path = OpenFileOf(2);
    const int other = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    AddToFile(state_, Entry("3", "1"), notifier_);
    ::close(other);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Race 3 could not be written to \"" + path +
                                                   "\": another program keeps the file locked."});
    EXPECT_EQ(FileBytes(path), FileOf(2));
    AddToFile(state_, Entry("3", "1"), notifier_);
    EXPECT_EQ(FileBytes(path).size(), 3 * kRecordBytes);
}

}  // namespace
}  // namespace kestrova
