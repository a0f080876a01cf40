#include "app/widget_builder.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/text_canvas.hpp"

namespace kestrova {
namespace {

template <typename Control>
Control* Named(Control* control, const QString& name) {
    if (!name.isEmpty()) {
        control->setObjectName(name);
    }
    return control;
}

}  // namespace

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text, bool wrap) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    return label;
}

QLabel* NewTableLabel(QWidget* parent, const QString& name, const QString& text, bool wrap) {
    QLabel* label = NewLabel(parent, name, text, wrap);
    label->setFont(TextCanvas::TableFont());
    return label;
}

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& text) {
    return Named(new QPushButton(text, parent), name);
}

QPushButton* NewWindowButton(QWidget* parent, const QString& name, const QString& text) {
    QPushButton* button = NewButton(parent, name, text);
    button->setAutoDefault(true);
    return button;
}

QRadioButton* NewOption(QWidget* parent, const QString& name, const QString& text) {
    return Named(new QRadioButton(text, parent), name);
}

QCheckBox* NewCheckBox(QWidget* parent, const QString& name, const QString& text) {
    return Named(new QCheckBox(text, parent), name);
}

QLineEdit* NewTextBox(QWidget* parent, const QString& name, const QString& text) {
    return Named(new QLineEdit(text, parent), name);
}

}  // namespace kestrova
