#include "app/help_window.hpp"

#include <optional>

#include <QPushButton>

#include "app/open_or_raise.hpp"

namespace kestrova {
namespace {

const QColor kHelpBackground(255, 255, 192);

}  // namespace

HelpWindow::HelpWindow(QWidget* owner, HelpTopic topic)
    : PageWindow(owner, "helpform", QStringLiteral("Help"), TopicInfo(topic).helpWidth,
                 TopicInfo(topic).helpHeight + kHelpTextTop, "Command1"),
      topic_(topic),
      link_(NewLinkBox(&Page(), "Picture1", QStringLiteral("here"))) {
    QPalette colours = Page().palette();
    colours.setColor(QPalette::Window, kHelpBackground);
    Page().setPalette(colours);
    LineBuffer lines;
    WriteHelpText(topic, lines);
    Page().PrintLines(kHelpTextTop, lines.Lines());
    const HelpTopicInfo& info = TopicInfo(topic);
    const int linkTop =
        info.helpLinkTop == kHelpLinkHidden ? kHelpLinkHidden : info.helpLinkTop + kHelpTextTop;
    Page().Place(link_, info.helpLinkLeft, linkTop, kHelpLinkWidth, kHelpLinkHeight);
    FitToPage();
    connect(link_, &QPushButton::clicked, this,
            [owner] { OpenHelpTopic(owner, HelpTopic::ComparisonLevels); });
}

HelpWindow* OpenHelpTopic(QWidget* owner, HelpTopic topic) {
    std::optional<QPoint> place;
    if (HelpWindow* open = FindOpenWindow<HelpWindow>(owner)) {
        place = open->pos();
        open->close();
    }
    HelpWindow* window =
        OpenOrRaise<HelpWindow>(owner, [owner, topic] { return new HelpWindow(owner, topic); });
    window->FitToPage();
    if (place) {
        window->move(*place);
    }
    return window;
}

HelpWindow* OpenHelpTopic(const WindowContext& context, HelpTopic topic) {
    return OpenHelpTopic(context.owner, topic);
}

}  // namespace kestrova
