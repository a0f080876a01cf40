#pragma once

#include <QWidget>

#include "analyses/performance_table.hpp"
#include "app/window_context.hpp"

namespace kestrova {

class Dialogs;

class TextCanvas;

// The "Performance levels" window (perflevform): a performance table on a fixed-pitch canvas,
// its caption saying what the table holds, with "Close" (Command1) and "Print" (Command2).
class PerformanceLevelsWindow : public QWidget {
    Q_OBJECT

  public:
    PerformanceLevelsWindow(Dialogs& dialogs, Notifier& notifier, QWidget* owner = nullptr);

    // Clears the canvas, writes the table on it and takes the table's caption.
    void ShowTable(const PerformanceTable& table);

    TextCanvas& Canvas() { return *canvas_; }

  private:
    Dialogs& dialogs_;
    Notifier& notifier_;
    TextCanvas* canvas_;
};

// Opens the "Performance levels" window (one at most, beside the main window) or brings it to
// the front, and shows the table on it. Returns the window.
PerformanceLevelsWindow* ShowPerformanceLevelsWindow(const WindowContext& context,
                                                     const PerformanceTable& table);

}  // namespace kestrova
