#include "app/help_topics_window.hpp"

#include <QPushButton>

#include "app/help_window.hpp"
#include "app/open_or_raise.hpp"
#include "help/help_texts.hpp"

namespace kestrova {

HelpTopicsWindow::HelpTopicsWindow(QWidget* owner)
    : PageWindow(owner, "kesthelp", QStringLiteral("Kestrova Help"), kTopicsWidth, kTopicsHeight,
                 "Command1") {
    for (const HelpTopicLink& entry : HelpTopicLinks()) {
        const HelpTopicInfo& info = TopicInfo(entry.topic);
        QPushButton* link = NewLinkBox(
            &Page(), entry.picture,
            QString::fromUtf8(info.title.data(), static_cast<qsizetype>(info.title.size())));
        // A caption longer than the box widens it rather than being cut.
        const int captionTwips = static_cast<int>(info.title.size() + 1) * kHelpCharacterPitch;
        Page().Place(link, kTopicsLinkLeft, entry.top, std::max(kTopicsLinkWidth, captionTwips),
                     kHelpLinkHeight);
        const HelpTopic topic = entry.topic;
        connect(link, &QPushButton::clicked, this, [owner, topic] { OpenHelpTopic(owner, topic); });
    }
    ShowIntroduction();
}

void HelpTopicsWindow::ShowIntroduction() {
    LineBuffer lines;
    WriteHelpTopicsIntroduction(lines);
    Page().ClearText();
    Page().PrintLines(0, lines.Lines());
    FitToPage();
}

HelpTopicsWindow* OpenHelpTopicsWindow(const WindowContext& context) {
    QWidget* owner = context.owner;
    HelpTopicsWindow* window =
        OpenOrRaise<HelpTopicsWindow>(owner, [owner] { return new HelpTopicsWindow(owner); });
    window->ShowIntroduction();
    return window;
}

}  // namespace kestrova
