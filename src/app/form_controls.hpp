#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QScrollBar;
class QObject;
class QWidget;

namespace kestrova {

// The main window's own kinds of control, made as widget_builder.hpp makes every control (parent,
// control name, then the rest), and value helpers shared by its panels.

// A display-only box beside a scroll bar: read-only, wide enough for `characters` digits, without
// focus or caret (its value comes only from its scroll bar), on the window's colour.
QLineEdit* NewDisplayBox(QWidget* parent, const QString& name, int characters);

// A check box whose value may be 0 (clear), 1 (checked) or 2 (greyed). The greyed state only
// comes from a restored setting; the first click on a greyed box makes it an ordinary two-state
// box again.
QCheckBox* NewTristateCheckBox(QWidget* parent, const QString& name, const QString& caption);

// Calls `changed` with the box's value (0, 1 or 2) whenever its state changes, through the
// signal the Qt in use offers (stateChanged is deprecated from Qt 6.9).
void OnCheckValueChanged(QCheckBox* box, QObject* context, std::function<void(int)> changed);

// A horizontal scroll bar over [minimum, maximum]: an arrow click moves by 1, a track click by 10.
QScrollBar* NewScrollBar(QWidget* parent, const QString& name, int minimum, int maximum);

// A check box's value: 0 clear, 1 checked, 2 greyed.
int CheckValue(const QCheckBox* box);
void SetCheckValue(QCheckBox* box, int value);

// Selects or clears one option button. Selecting clears the other buttons of its group;
// clearing leaves the group with no button selected when this one was the selected one.
void SetOptionState(QAbstractButton* button, bool selected);

}  // namespace kestrova
