#pragma once

#include <array>

#include "model/distance_unit.hpp"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kestrova {

// The controls of the file access window, under their control names. "Browse" stands in for the
// drive, directory and file lists.
struct FileAccessControls {
    QLabel* Label3 = nullptr;    // "Drive\Directory\File"
    QLineEdit* Text6 = nullptr;  // the file name
    QPushButton* browse = nullptr;
    QCheckBox* Check1 = nullptr;      // "Open": shows whether a race file is open
    QPushButton* Command2 = nullptr;  // "Open New"
    QPushButton* Command4 = nullptr;  // "Open Existing"
    QLabel* Label1 = nullptr;         // the list's heading
    QListWidget* List1 = nullptr;
    QPushButton* Command5 = nullptr;                             // "Select Race"
    QPushButton* Command7 = nullptr;                             // "Omit Race"
    QLabel* Label2 = nullptr;                                    // the entry row's heading
    QLineEdit* Text1 = nullptr;                                  // hours
    QLineEdit* Text2 = nullptr;                                  // minutes
    QLineEdit* Text3 = nullptr;                                  // seconds
    QLineEdit* Text4 = nullptr;                                  // number
    std::array<QRadioButton*, kDistanceUnitCount> unitOption{};  // Option1 ... Option6
    QButtonGroup* units = nullptr;
    QLineEdit* Text5 = nullptr;       // comment
    QLabel* Label4 = nullptr;         // "Next available race number for file:"
    QLineEdit* Text9 = nullptr;       // race number
    QPushButton* Command1 = nullptr;  // "Add to File"
    QPushButton* Command6 = nullptr;  // "Help"
    QPushButton* Command3 = nullptr;  // "Close"
};

// Creates and lays out the controls on `window`: the file name with "Browse…", "Open" and the two
// open buttons; the list under its heading with "Select Race" and "Omit Race"; the entry row,
// each box under its word of the heading; the race number with "Add to File"; "Help" and "Close".
// The list and both headings use the fixed-pitch table font so the columns line up.
FileAccessControls CreateFileAccessControls(QWidget* window);

}  // namespace kestrova
