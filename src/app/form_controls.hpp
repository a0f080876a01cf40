#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QObject;
class QWidget;

namespace kestrova {

// Small builders and value helpers shared by the main window's panels. Every control gets its
// control name as its objectName, so the window's code, the settings and the tests all speak of
// "txtname", "HScroll1" or "Option7".

// A text box the user types into.
QLineEdit* NewTextBox(const QString& name, QWidget* parent);

// A display-only box beside a scroll bar: read-only, wide enough for `characters` digits, without
// focus or caret (its value comes only from its scroll bar), on the window's colour.
QLineEdit* NewDisplayBox(const QString& name, int characters, QWidget* parent);

// A plain caption beside a control.
QLabel* NewCaption(const QString& text, QWidget* parent);

QRadioButton* NewOption(const QString& name, const QString& caption, QWidget* parent);

// A check box whose value may be 0 (clear), 1 (checked) or 2 (greyed). The greyed state only
// comes from a restored setting; the first click on a greyed box makes it an ordinary two-state
// box again.
QCheckBox* NewCheckBox(const QString& name, const QString& caption, QWidget* parent);

// Calls `changed` with the box's value (0, 1 or 2) whenever its state changes, through the
// signal the Qt in use offers (stateChanged is deprecated from Qt 6.9).
void OnCheckValueChanged(QCheckBox* box, QObject* context, std::function<void(int)> changed);

// A horizontal scroll bar over [minimum, maximum]: an arrow click moves by 1, a track click by 10.
QScrollBar* NewScrollBar(const QString& name, int minimum, int maximum, QWidget* parent);

// A check box's value: 0 clear, 1 checked, 2 greyed.
int CheckValue(const QCheckBox* box);
void SetCheckValue(QCheckBox* box, int value);

// Selects or clears one option button. Selecting clears the other buttons of its group;
// clearing leaves the group with no button selected when this one was the selected one.
void SetOptionState(QAbstractButton* button, bool selected);

}  // namespace kestrova
