#pragma once

class QPagedPaintDevice;
class QString;
class QWidget;

namespace kestrova {

// Printing needs Qt's print support, which takes the desktop program a good part of a
// millisecond to load; the program therefore opens the print dialog and makes the printer in a
// library of its own, only when something is printed, and paints on the printer it gets as on
// any paged paint device. This is the library's one entry point.

// The library's file name, as built and as installed.
inline constexpr const char* kPrintModuleFileName = "kestrova-print.so";

// The name of the entry point, and its type: shows the print dialog over `parent` for a
// high-resolution printer whose document is named *docName, and gives that printer (the caller
// owns it) when the user chose to print, else null.
inline constexpr const char* kPrintModuleEntry = "KestrovaChoosePrinter";
using PrintModuleEntry = QPagedPaintDevice* (*)(const QString* docName, QWidget* parent);

}  // namespace kestrova
