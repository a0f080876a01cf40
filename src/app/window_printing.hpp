#pragma once

class QPrinter;
class QWidget;

namespace kestrova {

class Notifier;

// Prints an image of the window, as every window's "Print" button does: the window and its
// controls drawn on white, scaled to fit the page with its proportions kept, at the page's top
// left. Returns false when the printer could not be started.
bool PrintWindowImageOn(QWidget& window, QPrinter& printer);

// Lets the user pick a printer (or a PDF file) in the print dialog and prints the window's image
// there. Returns false when the user cancelled or the printing failed (which the notifier is told).
bool PrintWindowImage(QWidget& window, Notifier& notifier);

}  // namespace kestrova
