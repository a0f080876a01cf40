#include <gtest/gtest.h>

#include <string>

#include "cli_test_support.hpp"
#include "help/help_texts.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;

TEST(HelpCommand, ListsEveryTopicThenTheReferencesAndAbout) {
    const auto call = CallCli({"help"}, ".");
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out.substr(0, 42), "  analysis                       Analysis\n");
    EXPECT_NE(call.out.find("\n  effects-of-age                 Effects of Age\n"),
              std::string::npos);
    EXPECT_TRUE(
        call.out.ends_with("\n  references                     References\n"
                           "  about                          About Kestrova\n"));
}

TEST(HelpCommand, PrintsATextAsItsWindowShowsIt) {
    LineBuffer expected;
    WriteHelpText(HelpTopic::AgeEffects, expected);
    const auto call = CallCli({"help", "effects-of-age"}, ".");
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out, expected.Text());
    EXPECT_NE(call.out.find(" click      \n"), std::string::npos);

    const auto about = CallCli({"help", "about"}, ".");
    EXPECT_EQ(about.out.substr(0, 21), "Kestrova Version 5.0\n");
}

TEST(HelpCommand, JsonGivesTheWindowAndTheLines) {
    const auto call = CallCli({"help", "data-entry", "--json"}, ".");
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_NE(call.out.find(R"("widthTwips": 9670, "heightTwips": 6200, "linkLeftTwips": 9999, )"),
              std::string::npos);
    const auto references = CallCli({"help", "references", "--json"}, ".");
    EXPECT_NE(references.out.find(R"("linkLeftTwips": null, "linkTopTwips": null)"),
              std::string::npos);
    EXPECT_NE(references.out.find("  \"lines\": [\n    \"\",\n"), std::string::npos);
}

TEST(HelpCommand, RefusesAnUnknownTopic) {
    const auto call = CallCli({"help", "Data-Entry"}, ".");
    EXPECT_EQ(call.status, kExitUsageOrFile);
    EXPECT_EQ(call.out, "");
    EXPECT_NE(call.err.find("\"Data-Entry\""), std::string::npos);
}

}  // namespace
}  // namespace kestrova
