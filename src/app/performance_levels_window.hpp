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
    // Shows the out-of-date text in place of the runner's own table of `request`.
    void ShowOutOfDate(const PerformanceTableRequest& request);
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

// Makes the table of `request` from the context's state and the main window's inputs, then
// opens the "Performance levels" window (one at most, beside the main window) or brings it to
// the front, and shows the table on it (an individual table after a Calculate that stopped: the
// out-of-date text). Returns the window, or null when the table was refused with a message.
PerformanceLevelsWindow* ShowPerformanceLevelsWindow(const WindowContext& context,
                                                     const PerformanceTableRequest& request);

}  // namespace kestrova
