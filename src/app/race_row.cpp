#include "app/race_row.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/form_controls.hpp"
#include "app/slip_marks.hpp"
#include "app/widget_builder.hpp"

namespace kestrova {
namespace {

constexpr std::array<const char*, kDistanceUnitCount> kUnitCaptions = {
    "miles", "yards", "kilometers", "meters", "marathon", "half marathon"};

QFrame* CreateUnitFrame(int row, RaceRowWidgets& widgets, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(ControlArrayName(QStringLiteral("Frame1"), row));
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    widgets.units = new QButtonGroup(frame);
    for (int unit = 0; unit < kDistanceUnitCount; ++unit) {
        const QString array = QStringLiteral("Option%1").arg(unit + 1);
        QRadioButton* button = NewOption(frame, ControlArrayName(array, row),
                                         kUnitCaptions[static_cast<std::size_t>(unit)]);
        widgets.units->addButton(button, unit);
        widgets.unitOption[static_cast<std::size_t>(unit)] = button;
        layout->addWidget(button);
    }
    return frame;
}

}  // namespace

QString ControlArrayName(const QString& array, int index) {
    return array + QLatin1Char('_') + QString::number(index);
}

RaceRowWidgets CreateRaceRow(int row, QWidget* parent) {
    RaceRowWidgets widgets;
    widgets.Check1 =
        NewTristateCheckBox(parent, ControlArrayName(QStringLiteral("Check1"), row), {});
    widgets.Text1 = NewTextBox(parent, ControlArrayName(QStringLiteral("Text1"), row));
    widgets.Text2 = NewTextBox(parent, ControlArrayName(QStringLiteral("Text2"), row));
    widgets.Text3 = NewTextBox(parent, ControlArrayName(QStringLiteral("Text3"), row));
    widgets.Text4 = NewTextBox(parent, ControlArrayName(QStringLiteral("Text4"), row));
    for (QLineEdit* box : {widgets.Text1, widgets.Text2, widgets.Text3, widgets.Text4}) {
        MarkReadingSlips(box);
    }
    widgets.Frame1 = CreateUnitFrame(row, widgets, parent);
    return widgets;
}

RaceRowInputs ReadRaceRow(const RaceRowWidgets& widgets) {
    RaceRowInputs row;
    row.Check1 = CheckValue(widgets.Check1);
    row.Text1 = widgets.Text1->text().toStdString();
    row.Text2 = widgets.Text2->text().toStdString();
    row.Text3 = widgets.Text3->text().toStdString();
    row.Text4 = widgets.Text4->text().toStdString();
    for (std::size_t unit = 0; unit < widgets.unitOption.size(); ++unit) {
        row.unitOption[unit] = widgets.unitOption[unit]->isChecked();
    }
    return row;
}

void ShowRaceRow(const RaceRowInputs& row, const RaceRowWidgets& widgets) {
    const QSignalBlocker blockCheck(widgets.Check1);
    SetCheckValue(widgets.Check1, row.Check1);
    const std::array<const std::string*, 4> texts = {&row.Text1, &row.Text2, &row.Text3,
                                                     &row.Text4};
    const std::array<QLineEdit*, 4> boxes = widgets.Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        {
            const QSignalBlocker blockBox(boxes[i]);
            boxes[i]->setText(QString::fromStdString(*texts[i]));
        }
        UpdateReadingMark(boxes[i]);
    }
    for (std::size_t unit = 0; unit < widgets.unitOption.size(); ++unit) {
        const QSignalBlocker blockOption(widgets.unitOption[unit]);
        SetOptionState(widgets.unitOption[unit], row.unitOption[unit]);
    }
}

}  // namespace kestrova
