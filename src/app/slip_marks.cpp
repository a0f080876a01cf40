#include "app/slip_marks.hpp"

#include <optional>
#include <string>

#include <QLineEdit>

#include "model/number_reader.hpp"

namespace kestrova {
namespace {

// The properties of a watched box: whether it is marked now, and its colours unmarked.
const char* const kMarkProperty = "readingSlip";
const char* const kPlainProperty = "readingPlainPalette";
// A marked box: pale orange with dark red text, which even a narrow box shows whole (a sign
// beside the text would squeeze a two-digit box's text out of sight).
const QColor kMarkedBase(255, 222, 173);
const QColor kMarkedText(160, 0, 0);

}  // namespace

void MarkReadingSlips(QLineEdit* box) {
    if (box == nullptr || box->property(kPlainProperty).isValid()) {
        return;
    }
    box->setProperty(kPlainProperty, box->palette());
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { UpdateReadingMark(box); });
    UpdateReadingMark(box);
}

void UpdateReadingMark(QLineEdit* box) {
    if (box == nullptr || !box->property(kPlainProperty).isValid()) {
        return;
    }
    const std::optional<std::string> note = SlipReadingNote(box->text().toStdString());
    box->setProperty(kMarkProperty, note.has_value());
    box->setToolTip(note ? QString::fromStdString(*note) : QString());
    auto colours = box->property(kPlainProperty).value<QPalette>();
    if (note) {
        colours.setColor(QPalette::Base, kMarkedBase);
        colours.setColor(QPalette::Text, kMarkedText);
    }
    box->setPalette(colours);
}

bool HasReadingMark(const QLineEdit* box) {
    return box != nullptr && box->property(kMarkProperty).toBool();
}

}  // namespace kestrova
