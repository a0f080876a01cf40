#include "help/help_texts.hpp"

#include <string>

#include "help/help_text_files.hpp"

namespace kestrova {
namespace {

constexpr int H = kHelpLinkHidden;

constexpr std::array<HelpTopicInfo, kHelpTopicCount> kTopics = {{
    {HelpTopic::Analysis, "Analysis", "analysis", "analysis", 9300, 4950, H, H},
    {HelpTopic::ComparisonLevels, "Comparison (performance) levels",
     "comparison-performance-levels", "comparison_levels", 9350, 7780, H, H},
    {HelpTopic::FileAccess, "File access", "file-access", "file_access", 8600, 5600, H, H},
    {HelpTopic::DataEntry, "Data entry", "data-entry", "data_entry", 9670, 6200, H, H},
    {HelpTopic::Output, "Output", "output", "output", 8400, 4400, H, H},
    {HelpTopic::SpecialData, "Special data", "special-data", "chosen_distance", 9280, 5050, H, H},
    {HelpTopic::Background, "General background information", "general-background-information",
     "background", 9600, 7360, H, H},
    {HelpTopic::AgeEffects, "Effects of Age", "effects-of-age", "age_effects", 8680, 6500, 6320,
     1750},
    {HelpTopic::Printing, "Information on printing", "information-on-printing", "printing", 6750,
     2700, kHelpLinkHidden, kHelpLinkHidden},
}};

constexpr std::array<HelpTopicLink, 8> kTopicLinks = {{
    {"Picture7", 1320, HelpTopic::Background},
    {"Picture1", 1680, HelpTopic::Analysis},
    {"Picture2", 2040, HelpTopic::ComparisonLevels},
    {"Picture8", 2400, HelpTopic::AgeEffects},
    {"Picture3", 2760, HelpTopic::FileAccess},
    {"Picture4", 3120, HelpTopic::DataEntry},
    {"Picture5", 3480, HelpTopic::Output},
    {"Picture6", 3840, HelpTopic::SpecialData},
}};

void WriteLine(std::string_view line, TextSink& sink) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);  // the line end of a file saved on Windows
    }
    sink.Write(line);
    sink.EndLine();
}

// Writes a text file's lines as they stand.
void WriteFileLines(std::string_view file, TextSink& sink) {
    const std::string_view text = HelpTextFile(file);
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n') {
            WriteLine(text.substr(start, at - start), sink);
            start = at + 1;
        }
    }
    if (start < text.size()) {
        WriteLine(text.substr(start), sink);
    }
}

}  // namespace

const std::array<HelpTopicInfo, kHelpTopicCount>& HelpTopics() {
    return kTopics;
}

const HelpTopicInfo& TopicInfo(HelpTopic topic) {
    return kTopics.at(static_cast<std::size_t>(topic));
}

std::optional<HelpTopic> FindHelpTopic(std::string_view name) {
    for (const HelpTopicInfo& info : kTopics) {
        if (info.name == name) {
            return info.topic;
        }
    }
    return std::nullopt;
}

void WriteHelpText(HelpTopic topic, TextSink& sink) {
    WriteFileLines(TopicInfo(topic).file, sink);
}

const std::array<HelpTopicLink, 8>& HelpTopicLinks() {
    return kTopicLinks;
}

void WriteHelpTopicsIntroduction(TextSink& sink) {
    sink.EndLine();
    WriteFileLines("topics_intro", sink);
}

void WriteReferences(TextSink& sink) {
    WriteFileLines("references", sink);
}

std::string_view AboutName() {
    return "Kestrova Version " KESTROVA_VERSION;
}

void WriteAboutText(TextSink& sink) {
    sink.Write(AboutName());
    sink.EndLine();
    WriteFileLines("about", sink);
}

}  // namespace kestrova
