#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kestrova {

// The one way the windows make their controls. Each control gets its parent and its control name
// as its objectName, so the window's code, the settings and the tests all speak of "txtname",
// "Command1" or "Option7" (an empty name leaves it unnamed). The arguments always come in the
// order parent, name, text.

// A label whose text is shown as it stands (never read as markup); `wrap` breaks long text over
// several lines.
QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text, bool wrap = false);

// A label in the tables' fixed-pitch font, so headings line up with a canvas' columns.
QLabel* NewTableLabel(QWidget* parent, const QString& name, const QString& text, bool wrap = false);

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& text);

// A button of a table or input window: Enter presses it while it has the focus.
QPushButton* NewWindowButton(QWidget* parent, const QString& name, const QString& text);

// An option button (of the group its parent or a QButtonGroup makes).
QRadioButton* NewOption(QWidget* parent, const QString& name, const QString& text = {});

QCheckBox* NewCheckBox(QWidget* parent, const QString& name, const QString& text);

// A text box the user types into.
QLineEdit* NewTextBox(QWidget* parent, const QString& name, const QString& text = {});

}  // namespace kestrova
