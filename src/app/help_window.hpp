#pragma once

#include "app/twips_page.hpp"
#include "app/window_context.hpp"
#include "help/help_texts.hpp"

namespace kestrova {

// The help text window "helpform" (title "Help", pale yellow): one help text, the size its topic
// gives, "Close" (Command1) at its bottom right and the link "here" (Picture1) where the topic
// places it, outside the window in most texts. The link opens "Comparison (performance) levels"
// in place of the text.
class HelpWindow : public PageWindow {
    Q_OBJECT

  public:
    HelpWindow(QWidget* owner, HelpTopic topic);

    HelpTopic Topic() const { return topic_; }
    // Shows another text in this window, in its topic's size, where the window stands.
    void ShowTopic(HelpTopic topic);
    QPushButton* Link() { return link_; }

  private:
    HelpTopic topic_;
    QPushButton* link_;
};

// Shows a help text, the one way every "Help" button, "Explanation", the help topics and the
// menus open one: a help text already open (of any topic) is replaced by the new one in the same
// window, which keeps its place (moved only as far as its new size needs to stay on the screen);
// when none is open, a window opens beside the owner. Returns the window.
HelpWindow* OpenHelpTopic(QWidget* owner, HelpTopic topic);
HelpWindow* OpenHelpTopic(const WindowContext& context, HelpTopic topic);

}  // namespace kestrova
