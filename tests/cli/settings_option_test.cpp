#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_run.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"
#include "support/settings_lines.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;

TEST(SettingsOption, SaysWhyAFileCannotBeUsed) {
    ScratchDirectory directory;
    directory.Write("README.md", "# Kestrova\n\nA program for runners.\n");
    directory.Write("empty.txt", "");
    directory.Write("huge.txt", std::string(kMostSettingsBytes + 1, '\n'));
    ::mkfifo((directory.Path() / "fifo").c_str(), 0600);
    std::filesystem::create_directory(directory.Path() / "folder");
    const std::string at = directory.Path().string() + "/";
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"README.md", at + "README.md is not a settings file (line 1: \"# Kestrova\" is not True, "
                           "False or a number)"},
        {"empty.txt", at + "empty.txt is not a settings file (line 1: the file is empty)"},
        {"huge.txt", at + "huge.txt is not a settings file (line 1: it is larger than 1048576 "
                          "bytes, more than a settings file holds)"},
        {"none.txt", "cannot read the settings file " + at + "none.txt (it does not exist)"},
        {"folder", "cannot read the settings file " + at + "folder (it is a directory)"},
        {"fifo", "cannot read the settings file " + at + "fifo (it is not a regular file)"},
    };
    for (const auto& [file, message] : cases) {
        const auto call = CallCli({"table", "--settings", at + file}, directory.Path());
        EXPECT_EQ(call.status, kExitUsageOrFile) << file;
        EXPECT_EQ(call.out, "") << file;
        EXPECT_EQ(call.err, "kestrova-cli: " + message + "\n") << file;
    }
}

TEST(SettingsOption, WarnsAndGoesOnWhenReadingStopsPartWay) {
    ScratchDirectory directory;
    directory.Write(kSettingsFileName, test_support::StartUpFileWith(3, " 200 "));
    const auto call = CallCli({"table"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out, CallCli({"table"}, directory.Path() / "elsewhere").out);
    // The window's words, on standard error.
    EXPECT_NE(call.err.find("could not be read from line 3 on (line 3: \"200\""), std::string::npos)
        << call.err;
}

TEST(SettingsOption, ReadsStandardInputForADash) {
    ScratchDirectory directory;
    std::istringstream input(test_support::StartUpFileWith(3, " 70 "));
    const auto call =
        CallCli({"table", "--settings", "-", "--json"}, directory.Path(), {&input, false, {}});
    ASSERT_EQ(call.status, kExitPrinted) << call.err;
    directory.Write(kSettingsFileName, test_support::StartUpFileWith(3, " 70 "));
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

}  // namespace
}  // namespace kestrova
