#pragma once

#include "app/twips_page.hpp"
#include "app/window_context.hpp"

class QLabel;

namespace kestrova {

// The about window "frmabout": the program's name and version in large type (Picture1), general
// lines below it and "Close" (command1).
class AboutWindow : public PageWindow {
    Q_OBJECT

  public:
    explicit AboutWindow(QWidget* owner);

    // Clears the window and prints its lines.
    void ShowAbout();

  private:
    QLabel* name_;
};

// The main window's "About": opens the about window (one at most) or brings it to the front,
// and prints its lines anew.
AboutWindow* OpenAboutWindow(const WindowContext& context);

}  // namespace kestrova
