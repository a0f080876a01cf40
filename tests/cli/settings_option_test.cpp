#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "cli/cli_run.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "support/comma_locale.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;

// The start-up form's settings file with line 3 (the weekly miles) replaced.
std::string WithLine3(const std::string& line) {
    std::string text = SettingsText(MainFormInputs{});
    const std::size_t start = text.find("\r\n", text.find("\r\n") + 2) + 2;
    return text.replace(start, text.find("\r\n", start) - start, line);
}

TEST(SettingsOption, SaysWhyAFileCannotBeUsed) {
    ScratchDirectory directory;
    directory.Write("README.md", "# Kestrova\n\nA program for runners.\n");
    directory.Write("empty.txt", "");
    ::mkfifo((directory.Path() / "fifo").c_str(), 0600);
    std::filesystem::create_directory(directory.Path() / "folder");
    const std::string at = directory.Path().string() + "/";
    struct Case {
        const char* file;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"README.md", at + "README.md is not a settings file (line 1: \"# Kestrova\" is not True, "
                           "False or a number)"},
        {"empty.txt", at + "empty.txt is not a settings file (line 1: the file is empty)"},
        {"none.txt", "cannot read the settings file " + at + "none.txt (it does not exist)"},
        {"folder", "cannot read the settings file " + at + "folder (it is a directory)"},
        {"fifo", "cannot read the settings file " + at + "fifo (it is not a regular file)"},
    };
    for (const Case& c : cases) {
        const auto call = CallCli({"table", "--settings", at + c.file}, directory.Path());
        EXPECT_EQ(call.status, kExitUsageOrFile) << c.file;
        EXPECT_EQ(call.out, "") << c.file;
        EXPECT_EQ(call.err, "kestrova-cli: " + c.message + "\n") << c.file;
    }
}

TEST(SettingsOption, WarnsAndGoesOnWhenReadingStopsPartWay) {
    ScratchDirectory directory;
    directory.Write(kSettingsFileName, WithLine3(" 200 "));
    const auto call = CallCli({"table"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out, CallCli({"table"}, directory.Path() / "elsewhere").out);
    EXPECT_EQ(call.err, "kestrova-cli: The settings file " +
                            (directory.Path() / kSettingsFileName).string() +
                            " could not be read from line 3 on (line 3: \"200\" is not a whole "
                            "number from 0 to 150). The inputs of line 3 and after start at "
                            "their usual values.\n");
}

TEST(SettingsOption, ReadsDecimalsWithAPointUnderACommaLocale) {
    ScratchDirectory directory;
    directory.Write(kSettingsFileName, SettingsText(MainFormInputs{}));
    const auto inC = CallCli({"table", "--json"}, directory.Path());
    const test_support::CommaLocale comma;
    if (!comma.Active()) {
        GTEST_SKIP() << "no de_DE locale on this machine";
    }
    const auto inComma = CallCli({"table", "--json"}, directory.Path());
    EXPECT_EQ(inComma.status, kExitPrinted);
    EXPECT_EQ(inComma.out, inC.out);
}

TEST(SettingsOption, ControlCharactersInTheNameBecomeBlanks) {
    ScratchDirectory directory;
    const auto call = CallCli({"report", "--name", "Ann\nRunner\x1b[2J"}, directory.Path());
    ASSERT_EQ(call.status, kExitPrinted);
    const std::string first = call.out.substr(0, call.out.find('\n'));
    EXPECT_NE(first.find("Ann Runner [2J"), std::string::npos) << first;
}

}  // namespace
}  // namespace kestrova
