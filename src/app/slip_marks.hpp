#pragma once

class QLineEdit;

namespace kestrova {

// Marks a number box whose text is not one clean number ("2O" is read as 2, "abc" as 0): the box
// turns pale orange with dark red text, and its tooltip says what the text is read as ("read as
// 2"). The mark follows every change of the text and goes when the text is
// a clean number or empty again. It only shows how the text is read; nothing else changes.
void MarkReadingSlips(QLineEdit* box);

// Brings the mark up to date with the box's text, for a text set while the box's signals were
// blocked. Does nothing to a box that MarkReadingSlips does not watch.
void UpdateReadingMark(QLineEdit* box);

// Whether the box is marked now.
bool HasReadingMark(const QLineEdit* box);

}  // namespace kestrova
