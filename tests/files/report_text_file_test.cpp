#include "files/report_text_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/device_files.hpp"

namespace kestrova {
namespace {

namespace fs = std::filesystem;

class ReportTextFile : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        directory_ = fs::temp_directory_path() / (std::string("kestrova-report-") + info->name());
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(directory_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(directory_, ignored);
    }

    static std::string Contents(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void Write(const fs::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }

    fs::path directory_;
    // Report lines as they come: each holds at least a blank, some are long.
    std::vector<std::string> lines_{"KESTROVA full report on Ann (40 year old female):", " ",
                                    std::string(300, '-'), " Pärnu "};
    RecordingNotifier notifier_;
};

TEST_F(ReportTextFile, SavesTheReportLinesAndSaysWhere) {
    Write(directory_ / kReportFileName, std::string(100000, 'x'));  // an older, longer report
    ASSERT_TRUE(SaveReportLinesIn(lines_, directory_, notifier_));

    EXPECT_EQ(Contents(directory_ / kReportFileName),
              lines_[0] + "\n \n" + lines_[2] + "\n Pärnu \n");
    ASSERT_EQ(notifier_.Messages().size(), 1u);
    EXPECT_EQ(notifier_.Messages()[0].text,
              "Analysis saved in " + directory_.string() + "/fulltext.txt");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1);
}

// A directory that is a regular file: nothing can be created there, whoever runs the test.
TEST_F(ReportTextFile, UncreatableFileIsReportedAndNotClaimedSaved) {
    const fs::path notADirectory = directory_ / "plain-file";
    Write(notADirectory, "x");
    EXPECT_FALSE(SaveReportLinesIn(lines_, notADirectory, notifier_));
    ASSERT_EQ(notifier_.Messages().size(), 1u);
    const std::string& text = notifier_.Messages()[0].text;
    EXPECT_EQ(text.rfind("The full report could not be saved in " +
                             (notADirectory / "fulltext.txt").string() + ": ",
                         0),
              0u)
        << text;
    EXPECT_EQ(text.find("Analysis saved"), std::string::npos);
    EXPECT_EQ(Contents(notADirectory), "x");
}

TEST_F(ReportTextFile, WritesIntoPipesAndDevicesAndNotOverDirectories) {
    test_support::ExpectSpecialTargetsHandled(
        [this](const fs::path& path) { return WriteReportTextFile(path, lines_); },
        lines_[0] + "\n");
}

}  // namespace
}  // namespace kestrova
