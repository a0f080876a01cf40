#pragma once

#include <array>

#include <QWidget>

#include "analyses/any_distance_inputs.hpp"
#include "app/window_context.hpp"
#include "app/window_notifier.hpp"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrova {

class TextCanvas;

// The "Special Information" window (specinfo): the runner's predicted time at any distance on
// the level (Text4) and, on request, the effect of uneven pacing, a race on a constant slope
// (Text5, cleared by the other analyses) or a course half up and half down. Each result line has
// a caption and a column heading in its own fixed-pitch font. The distance is Text1 with a unit
// button of Frame1, the analysis one of Option1, Option2, Option3, Option5, the slope Text3 (Text2
// shows it as rise per horizontal distance). "Calculate" (Command1, or Enter in a box), "Switch to
// minutes/kilometer" (Command4, the tables' pace unit, with its note Label8), "Print" (Command5),
// "Close" (Command3); "Help" (Command2) waits for the help texts. The strategy tables are written
// on the fixed-pitch canvas under the controls.
class AnyDistanceWindow : public QWidget {
    Q_OBJECT

  public:
    // `memory` is the program's record of the window's last inputs; it outlives the window.
    AnyDistanceWindow(const WindowContext& context, SpecialFormMemory& memory);

    // What opening the window does: the table is cleared and, once a calculation has run in this
    // run of the program, the last inputs come back. Nothing is computed.
    void ShowOpening();
    // "Calculate" (the out-of-date text instead when the last Calculate of the main window
    // stopped on a message).
    void Calculate();
    // After the main window's Calculate: the out-of-date text when it stopped, else the window's
    // calculation again on the new curve if it showed one.
    void FollowFit();

    // The controls' contents as plain data.
    SpecialFormInputs Inputs() const;
    TextCanvas& Canvas() { return *canvas_; }

  private:
    void BuildLayout();
    void ShowInputs(const SpecialFormInputs& inputs);
    void SwitchPaceUnit();
    void ShowOutOfDate();
    void Print();

    WindowNotifier notifier_;  // before the context, which sends its messages there
    WindowContext context_;
    SpecialFormMemory& memory_;
    PaceUnit paceUnit_ = PaceUnit::Mile;
    bool shown_ = false;  // the canvas shows a calculation
    TextCanvas* canvas_;
    QLineEdit* distance_;  // Text1
    std::array<QRadioButton*, kDistanceUnitCount> units_{};
    std::array<QRadioButton*, kSpecialAnalysisChoices> analyses_{};
    QLineEdit* slope_;            // Text3
    QLineEdit* horizontalGrade_;  // Text2
    QLabel* levelLine_;           // Text4
    QLabel* hillLine_;            // Text5
    QPushButton* calculate_;      // Command1
    QPushButton* help_;           // Command2
    QPushButton* close_;          // Command3
    QPushButton* paceSwitch_;     // Command4
    QPushButton* print_;          // Command5
    QLabel* paceNote_;            // Label8
};

// The main window's "Special": opens the window as opening it does, or brings the open one to the
// front as it stands.
AnyDistanceWindow* OpenAnyDistanceWindow(const WindowContext& context, SpecialFormMemory& memory);

}  // namespace kestrova
