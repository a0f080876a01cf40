#pragma once

#include "app/form_widgets.hpp"

class QPushButton;
class QWidget;

namespace kestrova {

class TextCanvas;

// The main window's buttons, under their control names.
struct MainButtons {
    QPushButton* Command1 = nullptr;  // "Calculate"
    QPushButton* Command2 = nullptr;  // "Graph"
    QPushButton* Command3 = nullptr;  // "Analyze"
    QPushButton* Command4 = nullptr;  // "Special"
    QPushButton* Command5 = nullptr;  // "Help"
    QPushButton* Command6 = nullptr;  // "Close"
    QPushButton* Command7 = nullptr;  // "Clear"
    QPushButton* Command8 = nullptr;  // "Explanation"
};

struct MainWindowControls {
    MainFormWidgets form;
    MainButtons buttons;
    TextCanvas* picture1 = nullptr;  // the output canvas "Picture1"
};

// Builds every control of the main window's client area on `central` and lays them out: the
// runner's profile beside the three scroll bars, the race rows under their heading, and the
// output canvas with the buttons beside it. The menu items of `form` are left for the caller.
// Controls hold no values yet; the tab order runs through the inputs, the rows and the buttons.
MainWindowControls CreateMainWindowControls(QWidget* central);

}  // namespace kestrova
