#include "files/report_text_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/device_files.hpp"
#include "support/scratch_directory.hpp"

namespace kestrova {
namespace {

namespace fs = std::filesystem;

class ReportTextFile : public ::testing::Test {
  protected:
    test_support::ScratchDirectory scratch_;
    const fs::path& directory_ = scratch_.Path();
    // Report lines as they come: each holds at least a blank, some are long.
    std::vector<std::string> lines_{"KESTROVA full report on Ann (40 year old female):", " ",
                                    std::string(300, '-'), " Pärnu "};
    RecordingNotifier notifier_;
};

TEST_F(ReportTextFile, SavesTheReportLinesAndSaysWhere) {
    scratch_.Write(kReportFileName, std::string(100000, 'x'));  // an older, longer report
    ASSERT_TRUE(SaveReportLinesIn(lines_, directory_, notifier_));

    EXPECT_EQ(test_support::FileBytes(directory_ / kReportFileName),
              lines_[0] + "\n \n" + lines_[2] + "\n Pärnu \n");
    ASSERT_EQ(notifier_.Messages().size(), 1u);
    EXPECT_EQ(notifier_.Messages()[0].text,
              "Analysis saved in " + directory_.string() + "/fulltext.txt");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1);
}

// A directory that is a regular file: nothing can be created there, whoever runs the test.
TEST_F(ReportTextFile, UncreatableFileIsReportedAndNotClaimedSaved) {
    const fs::path notADirectory = directory_ / "plain-file";
    scratch_.Write("plain-file", "x");
    EXPECT_FALSE(SaveReportLinesIn(lines_, notADirectory, notifier_));
    ASSERT_EQ(notifier_.Messages().size(), 1u);
    const std::string& text = notifier_.Messages()[0].text;
    EXPECT_EQ(text.rfind("The full report could not be saved in " +
                             (notADirectory / "fulltext.txt").string() + ": ",
                         0),
              0u)
        << text;
    EXPECT_EQ(text.find("Analysis saved"), std::string::npos);
    EXPECT_EQ(test_support::FileBytes(notADirectory), "x");
}

TEST_F(ReportTextFile, WritesIntoPipesAndDevicesAndNotOverDirectories) {
    test_support::ExpectSpecialTargetsHandled(
        [this](const fs::path& path) { return WriteReportTextFile(path, lines_); },
        lines_[0] + "\n");
}

}  // namespace
}  // namespace kestrova
