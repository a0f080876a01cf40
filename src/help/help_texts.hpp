#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/text_sink.hpp"

namespace kestrova {

// Positions and sizes on the help, topics, about and references windows are in twips (1440 to
// the inch). Their texts are printed in a fixed-pitch font, one stored line per printed line.
inline constexpr int kHelpLinePitch = 195;       // the height of one printed line
inline constexpr int kHelpCharacterPitch = 105;  // the width of one character
inline constexpr int kHelpLinkHidden = 9999;     // a link placed here lies outside the window
// A help text starts one line below the window's top edge, as the texts of the topics and
// references windows do (they start with an empty line). The help text window is that much
// higher than its topic's height, and its link and "Close" button stand that much lower.
inline constexpr int kHelpTextTop = kHelpLinePitch;
inline constexpr int kHelpLinkWidth = 420;  // the link "here"
inline constexpr int kHelpLinkHeight = 255;
inline constexpr int kHelpCloseWidth = 735;  // every "Close" button of these windows
inline constexpr int kHelpCloseHeight = 375;
// "Close" sits this far from the right and bottom edges of the window's size.
inline constexpr int kHelpCloseFromRight = 890;
inline constexpr int kHelpCloseFromBottom = 920;

// The texts of the help text window.
enum class HelpTopic {
    Analysis,
    ComparisonLevels,
    FileAccess,
    DataEntry,
    Output,
    SpecialData,
    Background,
    AgeEffects,
    Printing,
};
inline constexpr std::size_t kHelpTopicCount = 9;

// One help text and the help text window that shows it.
struct HelpTopicInfo {
    HelpTopic topic;
    std::string_view title;  // as the help topics window's link shows it
    std::string_view name;   // the title in lower case with hyphens, for kestrova-cli help
    std::string_view file;   // the text's file, without ".txt"
    int helpWidth;           // the window's width and height
    int helpHeight;
    int helpLinkLeft;  // the link "here" beside the text (kHelpLinkHidden: outside the window)
    int helpLinkTop;   // from the text's first line
};

// Every help text, in the order of HelpTopic.
const std::array<HelpTopicInfo, kHelpTopicCount>& HelpTopics();
const HelpTopicInfo& TopicInfo(HelpTopic topic);
// The topic of a kestrova-cli name ("data-entry"), if there is one.
std::optional<HelpTopic> FindHelpTopic(std::string_view name);

// Writes the help text line by line as its window shows it: its lines as stored, with an empty
// line between paragraphs.
void WriteHelpText(HelpTopic topic, TextSink& sink);

// The help topics window "Kestrova Help": its size, its links from top to bottom, and its text
// (an empty line and the introduction, printed above the links).
inline constexpr int kTopicsWidth = 6660;
inline constexpr int kTopicsHeight = 4260;
inline constexpr int kTopicsLinkLeft = 1920;
inline constexpr int kTopicsLinkWidth = 2895;
struct HelpTopicLink {
    const char* picture;  // the link's control name
    int top;
    HelpTopic topic;
};
const std::array<HelpTopicLink, 8>& HelpTopicLinks();
void WriteHelpTopicsIntroduction(TextSink& sink);

// The references window: its size and text.
inline constexpr int kReferencesWidth = 9525;
inline constexpr int kReferencesHeight = 7485;
void WriteReferences(TextSink& sink);

// The about window: its size, where its name box and its two blocks of lines go, and its text:
// the program's name and version (the name box's line), then the lines of the window itself,
// whose last empty line separates the first block from the last.
inline constexpr int kAboutWidth = 6195;
inline constexpr int kAboutHeight = 4095;
inline constexpr int kAboutNameLeft = 570;
inline constexpr int kAboutNameTop = 240;
inline constexpr int kAboutNameWidth = 5055;
inline constexpr int kAboutNameHeight = 615;
inline constexpr int kAboutFirstBlockTop = 1000;
inline constexpr int kAboutLastBlockTop = 3200;
// "Kestrova Version 5.0": the name box's line.
std::string_view AboutName();
void WriteAboutText(TextSink& sink);

}  // namespace kestrova
