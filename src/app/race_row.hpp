#pragma once

#include <array>

#include <QString>

#include "model/main_form_inputs.hpp"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace kestrova {

// The controls of one of the five race rows. The rows are control arrays indexed 0 to 4: each
// control's objectName is its array name, an underscore and the row index ("Check1_0" ...
// "Check1_4", "Text1_0" ... "Text4_4", "Option1_0" ... "Option6_4", "Frame1_0" ... "Frame1_4").
struct RaceRowWidgets {
    QCheckBox* Check1 = nullptr;  // "use?"
    QLineEdit* Text1 = nullptr;   // hours
    QLineEdit* Text2 = nullptr;   // minutes
    QLineEdit* Text3 = nullptr;   // seconds
    QLineEdit* Text4 = nullptr;   // number
    QFrame* Frame1 = nullptr;     // holds the row's six unit buttons, one group per row
    std::array<QRadioButton*, kDistanceUnitCount> unitOption{};  // Option1 ... Option6
    QButtonGroup* units = nullptr;

    std::array<QLineEdit*, 4> Boxes() const { return {Text1, Text2, Text3, Text4}; }
};

// The objectName of element `index` of a control array: "Text1" and 2 give "Text1_2".
QString ControlArrayName(const QString& array, int index);

// Creates row `row`'s controls (not yet laid out) as children of `parent`.
RaceRowWidgets CreateRaceRow(int row, QWidget* parent);

RaceRowInputs ReadRaceRow(const RaceRowWidgets& widgets);

// Puts a row's contents on its controls, without running any handler.
void ShowRaceRow(const RaceRowInputs& row, const RaceRowWidgets& widgets);

}  // namespace kestrova
