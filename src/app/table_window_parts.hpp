#pragma once

#include <QList>
#include <QString>

#include "analyses/table_cells.hpp"

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace kestrova {

class Notifier;
class TextCanvas;

// The pieces the table windows (power and energy, hill paces, treadmill) are built from, besides
// their labels and buttons (widget_builder.hpp).

// Gives a wrapping label its text and reserves the lines that text takes at the narrowest the
// label can be (the canvas' width under it). A window's minimum height leaves wrapped lines out
// of its count otherwise, and the canvas then slides under the buttons.
void SetWrappedText(QLabel& label, const QString& text, const TextCanvas& canvas);

// The caption of the button that switches the paces away from `shown`: "Switch to
// minutes/kilometer" while they are per mile, "Switch to minutes/mile" while per kilometre.
QString PaceUnitSwitchCaption(PaceUnit shown);

// The row of buttons under a table: the window's own buttons at the left, "Print" and "Close" at
// the right.
QHBoxLayout* TableButtonRow(const QList<QPushButton*>& ownButtons, QPushButton* print,
                            QPushButton* close);

// Makes the canvas at least `columns` characters wide and `lines` lines high.
void SizeCanvas(TextCanvas& canvas, int columns, int lines);

// Indents a heading label so that its first character stands over character column `column`
// (1-based) of the canvas' text.
void AlignWithCanvasColumn(QLabel& label, const TextCanvas& canvas, int column);

// Ctrl+P presses the window's "Print" button.
void AddPrintShortcut(QWidget& window, QPushButton& print);

}  // namespace kestrova
