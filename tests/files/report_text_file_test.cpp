#include "files/report_text_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/calculate.hpp"
#include "model/start_up_state.hpp"
#include "output/full_report.hpp"
#include "support/special_files.hpp"

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
        state_ = StartUpState(form_);
        LineBuffer picture;
        RecordingNotifier ignored;
        Calculate(state_, form_, picture, ignored);
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
    MainFormInputs form_;
    ModelState state_;
    RecordingNotifier notifier_;
};

TEST_F(ReportTextFile, SavesTheReportLinesAndSaysWhere) {
    Write(directory_ / kReportFileName, std::string(100000, 'x'));  // an older, longer report
    ModelState copy = state_;
    const std::vector<std::string> lines = FullReportFileLines(copy, form_);
    ASSERT_TRUE(SaveFullReportIn(state_, form_, directory_, notifier_));

    std::string expected;
    for (const std::string& line : lines) {
        expected += line + "\n";
    }
    EXPECT_EQ(Contents(directory_ / kReportFileName), expected);
    EXPECT_EQ(expected.find("\n\n"), std::string::npos);  // no empty line: each holds a blank
    EXPECT_EQ(state_.reportDestination, kReportToTextFile);
    ASSERT_EQ(notifier_.Messages().size(), 1u);
    EXPECT_EQ(notifier_.Messages()[0].text,
              "Analysis saved in " + directory_.string() + "/fulltext.txt");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1);
}

// A directory that is a regular file: nothing can be created there, whoever runs the test.
TEST_F(ReportTextFile, UncreatableFileIsReportedAndNotClaimedSaved) {
    const fs::path notADirectory = directory_ / "plain-file";
    Write(notADirectory, "x");
    EXPECT_FALSE(SaveFullReportIn(state_, form_, notADirectory, notifier_));
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
    const std::vector<std::string> lines = FullReportFileLines(state_, form_);
    test_support::ExpectSpecialTargetsHandled(
        [&lines](const fs::path& path) { return WriteReportTextFile(path, lines); },
        lines[0] + "\n");
}

}  // namespace
}  // namespace kestrova
