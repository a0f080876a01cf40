#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "help/help_texts.hpp"

namespace kestrova {
namespace {

std::vector<std::string> Lines(void (*write)(TextSink&)) {
    LineBuffer buffer;
    write(buffer);
    return buffer.Lines();
}

std::vector<std::string> TopicLines(HelpTopic topic) {
    LineBuffer buffer;
    WriteHelpText(topic, buffer);
    return buffer.Lines();
}

// Characters, not bytes: a text may hold "…".
std::size_t Length(const std::string& line) {
    return static_cast<std::size_t>(std::count_if(line.begin(), line.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(' ') == std::string::npos;
}

// Whether the text, printed from textTop down, leaves the area left..right (twips) of every line
// it crosses between top and bottom empty, so that nothing printed runs under a button or link
// placed there.
bool LeavesEmpty(const std::vector<std::string>& lines, int textTop, int left, int top, int right,
                 int bottom) {
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const int rowTop = textTop + static_cast<int>(row) * kHelpLinePitch;
        if (rowTop >= bottom || rowTop + kHelpLinePitch <= top) {
            continue;
        }
        const std::string& line = lines[row];
        for (std::size_t column = 0; column < Length(line); ++column) {
            const int x = static_cast<int>(column) * kHelpCharacterPitch;
            if (x < right && x + kHelpCharacterPitch > left && line[column] != ' ') {
                return false;
            }
        }
    }
    return true;
}

// Every line fits the window's width, with a margin at the right, and the "Close" button at the
// bottom right covers no text printed from textTop down.
void ExpectFitsWindow(const std::vector<std::string>& lines, int width, int height,
                      int textTop = 0) {
    const std::size_t columns = static_cast<std::size_t>((width - 240) / kHelpCharacterPitch);
    for (const std::string& line : lines) {
        EXPECT_LE(Length(line), columns) << line;
    }
    const int closeLeft = width - kHelpCloseFromRight;
    const int closeTop = height - kHelpCloseFromBottom;
    EXPECT_TRUE(LeavesEmpty(lines, textTop, closeLeft, closeTop, closeLeft + kHelpCloseWidth,
                            closeTop + kHelpCloseHeight));
}

// The line that a link placed at `top` sits on.
int LinkRow(int top) {
    return (top + kHelpLinePitch / 2) / kHelpLinePitch;
}

struct TopicCase {
    HelpTopic topic;
    int lines;
    int paragraphs;
};

TEST(HelpTexts, EachTextHasItsLinesAndParagraphsAndFitsItsWindow) {
    const TopicCase cases[] = {
        {HelpTopic::Analysis, 18, 4},   {HelpTopic::ComparisonLevels, 31, 6},
        {HelpTopic::FileAccess, 19, 5}, {HelpTopic::DataEntry, 24, 6},
        {HelpTopic::Output, 16, 3},     {HelpTopic::SpecialData, 18, 4},
        {HelpTopic::Background, 31, 4}, {HelpTopic::AgeEffects, 26, 5},
        {HelpTopic::Printing, 9, 1},
    };
    for (const TopicCase& c : cases) {
        const HelpTopicInfo& info = TopicInfo(c.topic);
        SCOPED_TRACE(std::string(info.title));
        const std::vector<std::string> lines = TopicLines(c.topic);
        ASSERT_FALSE(lines.empty());
        EXPECT_FALSE(IsBlank(lines.front()));
        EXPECT_FALSE(IsBlank(lines.back()));
        int text = 0;
        int paragraphs = 1;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!IsBlank(lines[i])) {
                ++text;
                EXPECT_EQ(lines[i].front(), ' ') << lines[i];  // the left margin
            } else {
                EXPECT_EQ(lines[i], "");
                EXPECT_FALSE(IsBlank(lines[i - 1]));  // one empty line between paragraphs
                ++paragraphs;
            }
        }
        EXPECT_EQ(text, c.lines);
        EXPECT_EQ(paragraphs, c.paragraphs);
        // The window is kHelpTextTop higher than its topic says, and its text and buttons
        // stand that much lower: the same as the text from the top at the topic's size.
        ExpectFitsWindow(lines, info.helpWidth, info.helpHeight);
    }
}

// The analysis says a runner who trains less than is typical for the curve has endurance beyond
// what it shows (the best distance is probably longer), and more training the opposite.
TEST(HelpTexts, AnalysisHelpAgreesWithTheVolumeVerdicts) {
    std::string text;
    for (const std::string& line : TopicLines(HelpTopic::Analysis)) {
        text += line;
    }
    const std::size_t less = text.find("If you train less than that");
    const std::size_t longer = text.find("probably longer");
    const std::size_t more = text.find("if you train more");
    const std::size_t shorter = text.find("probably shorter");
    ASSERT_NE(less, std::string::npos);
    ASSERT_NE(more, std::string::npos);
    EXPECT_LT(less, longer);
    EXPECT_LT(longer, more);
    EXPECT_LT(more, shorter);
    EXPECT_NE(shorter, std::string::npos);
}

// The link "here" lies outside the window in every text but "Effects of Age", where it fills the
// gap after "click" that ends the first line of the third paragraph.
TEST(HelpTexts, TheLinkFillsTheGapAfterClickInEffectsOfAgeOnly) {
    for (const HelpTopicInfo& info : HelpTopics()) {
        const bool shown = info.topic == HelpTopic::AgeEffects;
        EXPECT_EQ(info.helpLinkLeft >= info.helpWidth, !shown) << info.title;
        EXPECT_EQ(info.helpLinkTop >= info.helpHeight, !shown) << info.title;
        const std::vector<std::string> lines = TopicLines(info.topic);
        const int rowTop = LinkRow(info.helpLinkTop) * kHelpLinePitch;
        EXPECT_TRUE(LeavesEmpty(lines, 0, info.helpLinkLeft, rowTop,
                                info.helpLinkLeft + kHelpLinkWidth, rowTop + 1))
            << info.title;
    }
    const HelpTopicInfo& age = TopicInfo(HelpTopic::AgeEffects);
    const std::vector<std::string> lines = TopicLines(HelpTopic::AgeEffects);
    const auto row = static_cast<std::size_t>(LinkRow(age.helpLinkTop));
    ASSERT_LT(row, lines.size());
    EXPECT_EQ(std::count(lines.begin(), lines.begin() + static_cast<long>(row), ""), 2);
    EXPECT_EQ(lines[row - 1], "");
    const std::size_t linkColumn = static_cast<std::size_t>(age.helpLinkLeft / kHelpCharacterPitch);
    const std::string beforeLink = lines[row].substr(0, linkColumn);
    EXPECT_EQ(beforeLink.substr(beforeLink.find_last_not_of(' ') - 4, 6), "click ");
    EXPECT_GE(lines[row].size() * kHelpCharacterPitch,
              static_cast<std::size_t>(age.helpLinkLeft + kHelpLinkWidth));
}

TEST(HelpTexts, ReferencesTopicsAndAboutHaveTheirLines) {
    const std::vector<std::string> references = Lines(WriteReferences);
    const auto empty = std::count(references.begin(), references.end(), "");
    EXPECT_EQ(empty, 11);
    EXPECT_EQ(references.size() - static_cast<std::size_t>(empty), 27);
    EXPECT_EQ(references.front(), "");
    ExpectFitsWindow(references, kReferencesWidth, kReferencesHeight);

    const std::vector<std::string> topics = Lines(WriteHelpTopicsIntroduction);
    ASSERT_EQ(topics.size(), 6);
    EXPECT_EQ(topics.front(), "");
    ExpectFitsWindow(topics, kTopicsWidth, kTopicsHeight);

    const std::vector<std::string> about = Lines(WriteAboutText);
    ASSERT_GE(about.size(), 3);
    EXPECT_EQ(about.front(), "Kestrova Version 5.0");
    const std::vector<std::string> window(about.begin() + 1, about.end());
    ExpectFitsWindow(window, kAboutWidth, kAboutHeight);
    // The last block starts at its own height, above the "Close" button's top.
    const auto last = std::find(window.rbegin(), window.rend(), "") - window.rbegin();
    EXPECT_EQ(last, 1);
    EXPECT_LE(Length(window.back()) * kHelpCharacterPitch,
              static_cast<std::size_t>(kAboutWidth - kHelpCloseFromRight));
}

}  // namespace
}  // namespace kestrova
