#include "app/references_window.hpp"

#include "app/open_or_raise.hpp"
#include "help/help_texts.hpp"

namespace kestrova {

ReferencesWindow::ReferencesWindow(QWidget* owner)
    : PageWindow(owner, "refform", QStringLiteral("References"), kReferencesWidth,
                 kReferencesHeight, "Command1") {
    ShowReferences();
}

void ReferencesWindow::ShowReferences() {
    LineBuffer lines;
    WriteReferences(lines);
    Page().ClearText();
    Page().PrintLines(0, lines.Lines());
    FitToPage();
}

ReferencesWindow* OpenReferencesWindow(const WindowContext& context) {
    QWidget* owner = context.owner;
    ReferencesWindow* window =
        OpenOrRaise<ReferencesWindow>(owner, [owner] { return new ReferencesWindow(owner); });
    window->ShowReferences();
    return window;
}

}  // namespace kestrova
