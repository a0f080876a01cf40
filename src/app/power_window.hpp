#pragma once

#include <QWidget>

#include "analyses/table_cells.hpp"
#include "app/window_context.hpp"

class QLabel;
class QPushButton;

namespace kestrova {

class Dialogs;

class TextCanvas;

// The "Power and Energy Usage and Output" window (powen): the power and energy table for the
// weight of the main window's weight bar, in miles or kilometres, with "Close" (Command1), the unit
// switch (Command2) and "Print" (Command3).
class PowerWindow : public QWidget {
    Q_OBJECT

  public:
    PowerWindow(ModelState& state, Dialogs& dialogs, Notifier& notifier, QWidget* owner = nullptr);

    // Clears the canvas and writes the table for the state's weightKg in the current unit.
    void ShowTable();

    TextCanvas& Canvas() { return *canvas_; }

  private:
    void SwitchUnit();
    void Print();

    ModelState& state_;
    Dialogs& dialogs_;
    Notifier& notifier_;
    PaceUnit unit_ = PaceUnit::Mile;
    TextCanvas* canvas_;
    QLabel* units_;  // Label2
    QPushButton* close_;
    QPushButton* unitSwitch_;
    QPushButton* print_;
};

// The main window's "Power and Energy": opens the window (or brings the open one to the front) and
// writes the table for the current weight.
PowerWindow* OpenPowerWindow(const WindowContext& context);

}  // namespace kestrova
