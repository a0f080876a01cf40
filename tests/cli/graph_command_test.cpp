#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/cli_command.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "output/pace_graph.hpp"
#include "support/device_files.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(GraphCommand, PrintsTheDrawingAsJsonInDrawingOrder) {
    ScratchDirectory directory;
    MainFormInputs form;
    SetComparisonLevel(form, 950);
    directory.Write(kSettingsFileName, SettingsText(form));
    const auto call =
        CallCli({"graph", "--json", "--scale", "2", "--units", "english"}, directory.Path());
    ASSERT_EQ(call.status, kExitPrinted) << call.err;
    EXPECT_EQ(call.err, "");
    EXPECT_EQ(call.out.rfind("[\n  {\"kind\": \"line\", \"x1\": 392, \"y1\": 85, \"x2\": 8624, "
                             "\"y2\": 85, \"colour\": 0},\n",
                             0),
              0u);
    EXPECT_NE(call.out.find("{\"kind\": \"text\", \"x\": 112, \"y\": 5200, \"text\": \" 400 m \", "
                            "\"colour\": 0}"),
              std::string::npos);
    EXPECT_NE(call.out.find("{\"kind\": \"circle\", \"x\": "), std::string::npos);
    EXPECT_EQ(call.out.substr(call.out.size() - 4), "}\n]\n");

    ModelState state = test_support::CalculatedState(form);
    state.graphScale = 2;
    state.graphUnits = "e";
    Canvas canvas(kGraphWidth, kGraphHeight);
    RecordingNotifier notifier;
    ASSERT_TRUE(DrawPaceGraph(state, 950, canvas, notifier));
    EXPECT_EQ(CountOf(call.out, "{\"kind\": "), canvas.Items().size());
    EXPECT_EQ(CountOf(call.out, "\"text\": \"seconds"), 0u);  // one character per text
    EXPECT_EQ(CountOf(call.out, "\"text\": \"y\""), 1u);      // "440 yd"

    // On the road scale the 5 km mark stands on the plot's left edge: clipped to the plot.
    const auto road = CallCli({"graph", "--json", "--scale", "3"}, directory.Path());
    EXPECT_EQ(CountOf(road.out,
                      "\"clip\": {\"left\": 392, \"top\": 85, \"right\": 8624, "
                      "\"bottom\": 5185}"),
              2u);
}

TEST(GraphCommand, SavesPngAndSvgImages) {
    ScratchDirectory directory;
    for (int scale = 1; scale <= 4; ++scale) {
        const std::string name = "graph" + std::to_string(scale) + ".png";
        const auto png =
            CallCli({"graph", "--scale", std::to_string(scale), "--png", name}, directory.Path());
        EXPECT_EQ(png.status, kExitPrinted) << png.err;
        EXPECT_EQ(png.out, "");
        EXPECT_EQ(FileText(directory.Path() / name).substr(0, 8), "\x89PNG\r\n\x1a\n");
    }
    const auto svg = CallCli({"graph", "--svg", "graph.svg"}, directory.Path());
    EXPECT_EQ(svg.status, kExitPrinted) << svg.err;
    const std::string text = FileText(directory.Path() / "graph.svg");
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("performance level"), std::string::npos);
}

TEST(GraphCommand, WritesIntoPipesAndDevicesAndNotOverDirectories) {
    ScratchDirectory directory;
    test_support::ExpectSpecialTargetsHandled(
        [&directory](const std::filesystem::path& path) -> std::optional<std::string> {
            const auto call = CallCli({"graph", "--svg", path.string()}, directory.Path());
            if (call.status != kExitPrinted) {
                return call.err;
            }
            return std::nullopt;
        },
        "<?xml");
}

// A full disk is named as the cause, and the device is not replaced.
TEST(GraphCommand, AFullDiskIsNamedAsTheCause) {
    if (const auto skip = test_support::NotTheDevice("/dev/full", 1, 7)) {
        GTEST_SKIP() << *skip;
    }
    ScratchDirectory directory;
    const auto call = CallCli({"graph", "--png", "/dev/full"}, directory.Path());
    EXPECT_EQ(call.status, kExitUsageOrFile);
    EXPECT_EQ(call.err,
              "kestrova-cli: cannot write the image /dev/full: No space left on device\n");
    EXPECT_EQ(test_support::NotTheDevice("/dev/full", 1, 7), std::nullopt);
}

// "-" is standard output, which gets the image's bytes unless it is a terminal.
TEST(GraphCommand, ImagesGoToStandardOutputButNotToATerminal) {
    ScratchDirectory directory;
    struct Case {
        const char* option;
        std::string start;
    };
    for (const Case& c : {Case{"--svg", "<?xml"}, Case{"--png", "\x89PNG\r\n"}}) {
        const auto call = CallCli({"graph", c.option, "-"}, directory.Path());
        ASSERT_EQ(call.status, kExitPrinted) << c.option << call.err;
        EXPECT_EQ(call.out.substr(0, c.start.size()), c.start) << c.option;
        EXPECT_EQ(call.err, "") << c.option;

        const auto terminal =
            CallCli({"graph", c.option, "-"}, directory.Path(), {nullptr, true, {}});
        EXPECT_EQ(terminal.status, kExitUsageOrFile) << c.option;
        EXPECT_EQ(terminal.out, "") << c.option;
        EXPECT_EQ(terminal.err,
                  "kestrova-cli: standard output is a terminal; redirect it or name a file\n");
    }
    EXPECT_FALSE(std::filesystem::exists(directory.Path() / "-"));
}

}  // namespace
}  // namespace kestrova
