#pragma once

#include <array>

#include "app/race_row.hpp"

class QAction;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kestrova {

// The main window's controls whose contents make up MainFormInputs, under their control names.
struct MainFormWidgets {
    QLineEdit* txtname = nullptr;
    QLineEdit* txtage = nullptr;
    QRadioButton* optmale = nullptr;
    QRadioButton* optfemale = nullptr;
    QCheckBox* agecomp = nullptr;

    QScrollBar* HScroll1 = nullptr;
    QLineEdit* txtmi = nullptr;
    QLineEdit* txtkm = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QLineEdit* Text5 = nullptr;
    QScrollBar* wtscrl = nullptr;
    QLineEdit* txlb = nullptr;
    QLineEdit* txkg = nullptr;

    QRadioButton* Option7 = nullptr;   // "Fit best two"
    QRadioButton* Option8 = nullptr;   // "Use all data"
    QRadioButton* Option9 = nullptr;   // "Metric output"
    QRadioButton* Option10 = nullptr;  // "English output"

    std::array<RaceRowWidgets, kRaceRowCount> rows{};

    // The controls a Calculate run enables.
    QPushButton* Command2 = nullptr;  // "Graph"
    QPushButton* Command3 = nullptr;  // "Analyze"
    QPushButton* Command4 = nullptr;  // "Special"
    QAction* pfull = nullptr;         // "Full report"
    QAction* tfile = nullptr;         // "Text file of full report"
};

}  // namespace kestrova
