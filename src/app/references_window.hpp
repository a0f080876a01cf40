#pragma once

#include "app/twips_page.hpp"
#include "app/window_context.hpp"

namespace kestrova {

// The references window "refform" ("References"): the published works the model drew on and how
// they were used, printed on the window, and "Close" (Command1).
class ReferencesWindow : public PageWindow {
    Q_OBJECT

  public:
    explicit ReferencesWindow(QWidget* owner);

    // Clears the window and prints the references.
    void ShowReferences();
};

// The main window's "References": opens the window (one at most) or brings it to the front,
// and prints the references anew, so they appear once however often it is chosen.
ReferencesWindow* OpenReferencesWindow(const WindowContext& context);

}  // namespace kestrova
