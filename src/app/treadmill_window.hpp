#pragma once

#include <QWidget>

#include "analyses/table_cells.hpp"
#include "app/window_context.hpp"

class QLabel;
class QPushButton;

namespace kestrova {

class Dialogs;

class TextCanvas;

// The "Treadmill Equivalent Paces" window (tmill): for each belt speed and incline the flat pace
// outdoors that takes the same effort, with "Close" (Command1), the unit switch (Command2) and
// "Print" (Command3).
class TreadmillWindow : public QWidget {
    Q_OBJECT

  public:
    TreadmillWindow(Dialogs& dialogs, Notifier& notifier, QWidget* owner = nullptr);

    // Clears the canvas and writes the table in the current unit.
    void ShowTable();

    TextCanvas& Canvas() { return *canvas_; }

  private:
    void SwitchUnit();
    void Print();

    Dialogs& dialogs_;
    Notifier& notifier_;
    PaceUnit unit_ = PaceUnit::Mile;
    TextCanvas* canvas_;
    QLabel* unitLabel_;  // Label1
    QLabel* example_;    // Label2
    QPushButton* close_;
    QPushButton* unitSwitch_;
    QPushButton* print_;
};

// The main window's "Treadmill Equivalents": opens the window (or brings the open one to the
// front) and writes the table.
TreadmillWindow* OpenTreadmillWindow(const WindowContext& context);

}  // namespace kestrova
