#pragma once

#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace kestrova {

class Notifier;
class TextCanvas;

// The pieces the table windows (power and energy, hill paces, treadmill) are built from.

// A label in the tables' fixed-pitch font, so headings line up with the canvas' columns; long
// notes wrap.
QLabel* CreateTableLabel(QWidget* parent, const char* name, const QString& text, bool wrap = false);

QPushButton* CreateWindowButton(QWidget* parent, const char* name, const QString& text);

// Makes the canvas at least `columns` characters wide and `lines` lines high.
void SizeCanvas(TextCanvas& canvas, int columns, int lines);

// Indents a heading label so that its first character stands over character column `column`
// (1-based) of the canvas' text.
void AlignWithCanvasColumn(QLabel& label, const TextCanvas& canvas, int column);

// "Print": the window's buttons are disabled while the print dialog is up and the image of the
// window goes to the printer chosen (PrintWindowImage), then they are enabled again.
void PrintTableWindow(QWidget& window, const QList<QPushButton*>& buttons, Notifier& notifier);

// Escape closes the window; Ctrl+P presses its "Print" button.
void AddTableWindowShortcuts(QWidget& window, QPushButton& print);

}  // namespace kestrova
