#pragma once

#include <QWidget>

#include "analyses/performance_table.hpp"
#include "app/window_context.hpp"

namespace kestrova {

class Dialogs;

class TextCanvas;

// The "Performance levels" window (perflevform): a performance table on a fixed-pitch canvas,
// its caption saying what the table holds, with "Close" (Command1) and "Print" (Command2). An
// individual table is the runner's own: after each Calculate it is made again for the runner
// calculated, or says it is out of date when that Calculate stopped. The other tables use no
// runner data and stay as they are.
class PerformanceLevelsWindow : public QWidget {
    Q_OBJECT

  public:
    PerformanceLevelsWindow(Dialogs& dialogs, Notifier& notifier, QWidget* owner = nullptr);

    // Clears the canvas, writes the table on it and takes the table's caption; `request` is what
    // the table was made of, kept to make it again.
    void ShowTable(const PerformanceTableRequest& request, const PerformanceTable& table);
    // Shows the table again after a Calculate, as the context's session now holds it.
    void FollowFit(const WindowContext& context);

    TextCanvas& Canvas() { return *canvas_; }

  private:
    void WriteTable();

    Dialogs& dialogs_;
    Notifier& notifier_;
    TextCanvas* canvas_;
    PerformanceTableRequest request_;
    PerformanceTable table_;
};

// Opens the "Performance levels" window (one at most, beside the main window) or brings it to
// the front, and shows the table made of `request` on it. Returns the window.
PerformanceLevelsWindow* ShowPerformanceLevelsWindow(const WindowContext& context,
                                                     const PerformanceTableRequest& request,
                                                     const PerformanceTable& table);

}  // namespace kestrova
