#pragma once

#include <QWidget>

#include "analyses/slope_table.hpp"
#include "app/window_context.hpp"

class QLabel;
class QPushButton;

namespace kestrova {

class Dialogs;

class TextCanvas;

// The "Equivalent Paces on Different Slopes" window (eqpace): the paces on 13 grades that take
// the same effort as each level pace. "-" (sclminus) and "+" (sclplus) narrow and widen the
// grade range, Command2 switches the pace unit, Command4 the grade definition; "Close"
// (Command1) and "Print" (Command3). The grade definition is the program's (the state's
// gradeDefinition, kept for the run); range and unit belong to the window.
class SlopeWindow : public QWidget {
    Q_OBJECT

  public:
    SlopeWindow(ModelState& state, Dialogs& dialogs, Notifier& notifier, QWidget* owner = nullptr);

    // What the menu item does: range 2, the program's grade definition, then the table.
    void OpenFromMenu();
    // Clears the canvas and writes the table for the current settings.
    void ShowTable();

    const SlopeTableSettings& Settings() const { return settings_; }
    TextCanvas& Canvas() { return *canvas_; }

  private:
    void ChangeRange(int step);
    void SwitchUnit();
    void SwitchGradeDefinition();
    void ShowSettings();
    void Print();

    ModelState& state_;
    Dialogs& dialogs_;
    Notifier& notifier_;
    SlopeTableSettings settings_;
    bool unitSwitched_ = false;  // Label1 loses its starting blank once the unit is switched
    TextCanvas* canvas_;
    QLabel* unitLabel_;     // Label1
    QLabel* example_;       // Label2
    QLabel* gradeHeading_;  // Label4
    QPushButton* minus_;
    QPushButton* plus_;
    QPushButton* close_;
    QPushButton* unitSwitch_;
    QPushButton* print_;
    QPushButton* gradeSwitch_;
};

// The main window's "Hill Paces": opens the window (or brings the open one to the front), sets the
// range to 2 and writes the table.
SlopeWindow* OpenSlopeWindow(const WindowContext& context);

}  // namespace kestrova
