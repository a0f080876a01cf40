#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/json_text.hpp"
#include "help/help_texts.hpp"

namespace kestrova {
namespace {

// One text that `help` prints: a help topic, the references or the about window.
struct BuiltInText {
    std::string name;
    std::string title;
    int width = 0;  // the window's size and its link "here", twips
    int height = 0;
    std::optional<double> linkLeft;
    std::optional<double> linkTop;
    std::vector<std::string> lines;
};

constexpr int kNameColumn = 34;

std::vector<std::string> Written(void (*write)(TextSink&)) {
    LineBuffer buffer;
    write(buffer);
    return buffer.Lines();
}

std::optional<BuiltInText> FindText(const std::string& name) {
    if (name == "references") {
        return BuiltInText{name, "References", kReferencesWidth,        kReferencesHeight,
                           {},   {},           Written(WriteReferences)};
    }
    if (name == "about") {
        return BuiltInText{name, "About Kestrova",       kAboutWidth, kAboutHeight, {},
                           {},   Written(WriteAboutText)};
    }
    const std::optional<HelpTopic> topic = FindHelpTopic(name);
    if (!topic) {
        return std::nullopt;
    }
    const HelpTopicInfo& info = TopicInfo(*topic);
    LineBuffer buffer;
    WriteHelpText(*topic, buffer);
    return BuiltInText{name,
                       std::string(info.title),
                       info.helpWidth,
                       info.helpHeight,
                       info.helpLinkLeft,
                       info.helpLinkTop,
                       buffer.Lines()};
}

// Every name `help` takes, with the title of its text.
std::vector<std::pair<std::string, std::string>> TextNames() {
    std::vector<std::pair<std::string, std::string>> names;
    for (const HelpTopicInfo& info : HelpTopics()) {
        names.emplace_back(info.name, info.title);
    }
    names.emplace_back("references", "References");
    names.emplace_back("about", "About Kestrova");
    return names;
}

void PrintNames(bool json, std::ostream& out) {
    std::vector<std::string> objects;
    for (const auto& [name, title] : TextNames()) {
        if (json) {
            objects.push_back("{" + JsonField("name", JsonString(name)) +
                              JsonField("title", JsonString(title), true) + "}");
        } else {
            LineBuffer line;
            line.Write("  " + name);
            line.MoveToColumn(kNameColumn);
            line.Write(title);
            out << line.Text();
        }
    }
    if (json) {
        out << "{\n  \"topics\": [\n" << JsonObjectLines(objects) << "  ]\n}\n";
    }
}

std::string TextJson(const BuiltInText& text) {
    std::vector<std::string> lines;
    for (const std::string& line : text.lines) {
        lines.push_back(JsonString(line));
    }
    return "{\n  " + JsonField("name", JsonString(text.name)) +
           JsonField("title", JsonString(text.title)) + "\n  " +
           JsonField("widthTwips", JsonNumber(text.width)) +
           JsonField("heightTwips", JsonNumber(text.height)) +
           JsonField("linkLeftTwips", JsonNumber(text.linkLeft)) +
           JsonField("linkTopTwips", JsonNumber(text.linkTop)) + "\n  \"lines\": [\n" +
           JsonObjectLines(lines) + "  ]\n}\n";
}

// The names of the texts, or the lines of one as its window shows them.
int RunHelp(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    const bool json = invocation.Flag("--json");
    if (invocation.positionals.empty()) {
        PrintNames(json, out);
        return kExitPrinted;
    }
    const std::optional<BuiltInText> text = FindText(invocation.positionals.front());
    if (!text) {
        return UsageError(err, "help knows no topic \"" + invocation.positionals.front() +
                                   "\"; kestrova-cli help lists them");
    }
    if (json) {
        out << TextJson(*text);
    } else {
        PrintLines(text->lines, out);
    }
    return kExitPrinted;
}

}  // namespace

CliCommand HelpCommand() {
    return {
        "help",
        "[TOPIC] [--json]",
        "Print a built-in help text line by line as its window shows it\n"
        "(\"data-entry\", \"effects-of-age\", ..., \"references\", \"about\"),\n"
        "or, without a topic, list the topics with their titles.",
        {JsonOption("Print the text's lines and its window's size and link\n"
                    "position (twips) as JSON, or the list of topics.")},
        1,
        RunHelp,
    };
}

}  // namespace kestrova
