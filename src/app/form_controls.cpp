#include "app/form_controls.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "app/form_scroll_bar.hpp"
#include "app/widget_builder.hpp"

namespace kestrova {
namespace {

constexpr int kArrowStep = 1;
constexpr int kTrackStep = 10;

}  // namespace

QLineEdit* NewDisplayBox(QWidget* parent, const QString& name, int characters) {
    QLineEdit* box = NewTextBox(parent, name);
    // Shown, not typed into: no focus and so no caret, and the window's colour behind the text
    // instead of an entry box's white. The mouse still selects the text to copy it.
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    box->setPalette(colours);
    const QString widest(characters, QLatin1Char('0'));
    // The frame and the text margins take about two more characters.
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest + QStringLiteral("00")));
    return box;
}

QCheckBox* NewTristateCheckBox(QWidget* parent, const QString& name, const QString& caption) {
    QCheckBox* box = NewCheckBox(parent, name, caption);
    OnCheckValueChanged(box, box, [box](int value) {
        if (value != 2) {
            box->setTristate(false);
        }
    });
    return box;
}

void OnCheckValueChanged(QCheckBox* box, QObject* context, std::function<void(int)> changed) {
    const auto call = [box, changed = std::move(changed)] { changed(CheckValue(box)); };
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    QObject::connect(box, &QCheckBox::checkStateChanged, context, call);
#else
    QObject::connect(box, &QCheckBox::stateChanged, context, call);
#endif
}

QScrollBar* NewScrollBar(QWidget* parent, const QString& name, int minimum, int maximum) {
    auto* bar = new FormScrollBar(parent);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(kArrowStep);
    bar->setPageStep(kTrackStep);
    return bar;
}

int CheckValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        case Qt::Unchecked:
            break;
    }
    return 0;
}

void SetCheckValue(QCheckBox* box, int value) {
    if (value == 2) {
        box->setCheckState(Qt::PartiallyChecked);  // makes the box three-state
        return;
    }
    box->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
    box->setTristate(false);
}

void SetOptionState(QAbstractButton* button, bool selected) {
    if (selected || !button->isChecked()) {
        button->setChecked(selected);
        return;
    }
    // An exclusive group refuses to clear its selected button; lift that for the moment.
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (group != nullptr) {
        group->setExclusive(false);
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (group != nullptr) {
        group->setExclusive(exclusive);
    }
}

}  // namespace kestrova
