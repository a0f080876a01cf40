#include "app/help_window.hpp"

#include <QPushButton>

#include "app/open_or_raise.hpp"

namespace kestrova {
namespace {

const QColor kHelpBackground(255, 255, 192);

// The height of the window of a topic: its topic's, and the text's top margin.
int WindowHeight(HelpTopic topic) {
    return TopicInfo(topic).helpHeight + kHelpTextTop;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner, HelpTopic topic)
    : PageWindow(owner, "helpform", QStringLiteral("Help"), TopicInfo(topic).helpWidth,
                 WindowHeight(topic), "Command1"),
      topic_(topic),
      link_(NewLinkBox(&Page(), "Picture1", QStringLiteral("here"))) {
    QPalette colours = Page().palette();
    colours.setColor(QPalette::Window, kHelpBackground);
    Page().setPalette(colours);
    ShowTopic(topic);
    connect(link_, &QPushButton::clicked, this,
            [owner] { OpenHelpTopic(owner, HelpTopic::ComparisonLevels); });
}

void HelpWindow::ShowTopic(HelpTopic topic) {
    topic_ = topic;
    const HelpTopicInfo& info = TopicInfo(topic);
    Page().ClearText();
    Page().SetSizeTwips(info.helpWidth, WindowHeight(topic));
    LineBuffer lines;
    WriteHelpText(topic, lines);
    Page().PrintLines(kHelpTextTop, lines.Lines());
    const int linkTop =
        info.helpLinkTop == kHelpLinkHidden ? kHelpLinkHidden : info.helpLinkTop + kHelpTextTop;
    Page().Place(link_, info.helpLinkLeft, linkTop, kHelpLinkWidth, kHelpLinkHeight);
    FitToPage();
}

HelpWindow* OpenHelpTopic(QWidget* owner, HelpTopic topic) {
    if (HelpWindow* open = FindOpenWindow<HelpWindow>(owner)) {
        open->ShowTopic(topic);
        BringToFront(*open);
        return open;
    }
    HelpWindow* window =
        OpenOrRaise<HelpWindow>(owner, [owner, topic] { return new HelpWindow(owner, topic); });
    window->FitToPage();  // on the screen it opened on
    return window;
}

HelpWindow* OpenHelpTopic(const WindowContext& context, HelpTopic topic) {
    return OpenHelpTopic(context.owner, topic);
}

}  // namespace kestrova
