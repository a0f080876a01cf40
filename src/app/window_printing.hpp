#pragma once

#include <functional>
#include <initializer_list>

class QPagedPaintDevice;
class QPushButton;
class QWidget;

namespace kestrova {

class Dialogs;
class Notifier;

// Prints an image of the window, as every window's "Print" button does: the window and its
// controls drawn on white, scaled to fit the page with its proportions kept, at the page's top
// left. Returns false when the printer could not be started.
bool PrintWindowImageOn(QWidget& window, QPagedPaintDevice& printer);

// Lets the user pick a printer (or a PDF file) in the print dialog and prints the window's image
// there. Returns false when the user cancelled or the printing failed (which the notifier is told).
bool PrintWindowImage(QWidget& window, Dialogs& dialogs, Notifier& notifier);

// Runs `print` with the buttons disabled, then gives each button back the enabled state it had.
bool WithButtonsDisabled(std::initializer_list<QPushButton*> buttons,
                         const std::function<bool()>& print);

// "Print" of every window: the buttons are disabled while the print dialog is up and the
// window's image goes to the printer chosen; then each button gets back the enabled state it had.
bool PrintWithButtonsDisabled(QWidget& window, std::initializer_list<QPushButton*> buttons,
                              Dialogs& dialogs, Notifier& notifier);

}  // namespace kestrova
