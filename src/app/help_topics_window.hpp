#pragma once

#include "app/twips_page.hpp"
#include "app/window_context.hpp"

namespace kestrova {

// The help topics window "kesthelp" ("Kestrova Help"): an introduction and eight blue links
// (Picture1 to Picture8), each opening its help text, and "Close" (Command1).
class HelpTopicsWindow : public PageWindow {
    Q_OBJECT

  public:
    explicit HelpTopicsWindow(QWidget* owner);

    // Clears the window and prints its introduction.
    void ShowIntroduction();
};

// The main window's "Help" menu item: opens the help topics window (one at most) or brings it
// to the front, and prints its text anew.
HelpTopicsWindow* OpenHelpTopicsWindow(const WindowContext& context);

}  // namespace kestrova
