#pragma once

#include <QApplication>
#include <QWidget>

namespace kestrova {

// Moves a newly created window beside its owner, on the owner's screen, inside the screen's
// free area (not at the screen's corner over the main window's table), and further down and to
// the right while another of the owner's windows already stands there.
void PlaceBesideOwner(QWidget* window, const QWidget* owner);

// Moves the window the least distance that puts the whole of it, frame and title bar, inside its
// screen's free area (its top left corner when it is larger).
void KeepOnScreen(QWidget& window);

// Escape closes the window, as its "Close" button or its frame's close does.
void CloseOnEscape(QWidget* window);

// Makes a window of an owner one the window manager keeps above its owner (a dialog-type window
// transient for it), with the title bar buttons of an ordinary window, so a click on the main
// window never buries it. A window without an owner stays an ordinary window.
void KeepAboveOwner(QWidget* window);

// Shows the window in front and active, brought back first when it was minimised.
void BringToFront(QWidget& window);

// The open window of type Window that belongs to owner (among the application's top-level
// windows when owner is null), if any. A window that has been closed and waits for deletion is
// not open.
template <typename Window>
Window* FindOpenWindow(QWidget* owner) {
    const QList<Window*> children =
        owner != nullptr ? owner->findChildren<Window*>(QString(), Qt::FindDirectChildrenOnly)
                         : QList<Window*>{};
    for (Window* window : children) {
        if (!window->isHidden()) {
            return window;
        }
    }
    if (owner == nullptr) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window != nullptr && !window->isHidden()) {
                return window;
            }
        }
    }
    return nullptr;
}

// Opens a secondary window or brings the open one to the front: the one helper through which
// every secondary window opens. `create` makes a new window (a Qt::Window child of owner that
// deletes itself when closed); it is kept above the owner, placed beside it, closes on Escape,
// and is shown, raised and activated. An open window is only raised (and brought back when it was
// minimised): what it shows and holds stays as it is.
template <typename Window, typename Create>
Window* OpenOrRaise(QWidget* owner, Create&& create) {
    Window* window = FindOpenWindow<Window>(owner);
    const bool created = window == nullptr;
    if (created) {
        window = create();
        KeepAboveOwner(window);
        CloseOnEscape(window);
    }
    BringToFront(*window);
    if (created) {
        // Placed once shown, when the window frame's size is known.
        PlaceBesideOwner(window, owner);
    }
    return window;
}

}  // namespace kestrova
