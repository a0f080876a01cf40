#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"
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
    directory.Write("huge.txt", std::string(kMostSettingsBytes + 1, '\n'));
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
        {"huge.txt", at + "huge.txt is not a settings file (line 1: it is larger than 1048576 "
                          "bytes, more than a settings file holds)"},
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
    // The window's words, on standard error.
    EXPECT_NE(call.err.find("could not be read from line 3 on (line 3: \"200\""), std::string::npos)
        << call.err;
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

TEST(SettingsOption, ReadsStandardInputForADash) {
    ScratchDirectory directory;
    std::istringstream input(WithLine3(" 70 "));
    const auto call =
        CallCli({"table", "--settings", "-", "--json"}, directory.Path(), {&input, false, {}});
    ASSERT_EQ(call.status, kExitPrinted) << call.err;
    directory.Write(kSettingsFileName, WithLine3(" 70 "));
    const auto fromFile = CallCli({"table", "--json"}, directory.Path());
    EXPECT_EQ(call.out, fromFile.out);
    std::istringstream words("not settings");
    const auto refused =
        CallCli({"table", "--settings", "-"}, directory.Path(), {&words, false, {}});
    EXPECT_EQ(refused.status, kExitUsageOrFile);
    EXPECT_EQ(refused.err,
              "kestrova-cli: (standard input) is not a settings file (line 1: \"not settings\" "
              "is not True, False or a number)\n");
}

// An option given twice is refused, naming it, before anything is read or written.
TEST(SettingsOption, AnOptionGivenTwiceIsRefused) {
    ScratchDirectory directory;
    struct Case {
        std::vector<std::string> args;
        const char* option;
    };
    const std::vector<Case> cases = {
        {{"table", "--settings", "a", "--settings", "b"}, "--settings"},
        {{"table", "--json", "--json"}, "--json"},
        {{"perftable", "--kind", "general", "--min", "3", "--min", "4"}, "--min"},
        {{"graph", "--svg", "a.svg", "--svg", "b.svg"}, "--svg"},
    };
    for (const Case& c : cases) {
        const auto call = CallCli(c.args, directory.Path());
        EXPECT_EQ(call.status, kExitUsageOrFile) << c.option;
        EXPECT_EQ(call.out, "") << c.option;
        EXPECT_EQ(call.err, std::string("kestrova-cli: ") + c.option +
                                " is given more than once (try kestrova-cli --help)\n");
    }
    EXPECT_TRUE(std::filesystem::is_empty(directory.Path()));
}

}  // namespace
}  // namespace kestrova
