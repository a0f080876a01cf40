#include "app/form_runner_panel.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/form_controls.hpp"
#include "app/slip_marks.hpp"

namespace kestrova {
namespace {

constexpr int kNameCharacters = 24;
constexpr int kAgeCharacters = 6;

void SetWidthInCharacters(QLineEdit* box, int characters) {
    box->setMinimumWidth(
        box->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('n'))));
}

// Two option buttons that form one group: side by side, or one above the other in a frame.
QWidget* OptionPair(QRadioButton* first, QRadioButton* second, bool framed, QWidget* parent) {
    QWidget* holder = framed ? new QGroupBox(parent) : new QWidget(parent);
    QBoxLayout* layout = framed ? static_cast<QBoxLayout*>(new QVBoxLayout(holder))
                                : static_cast<QBoxLayout*>(new QHBoxLayout(holder));
    if (!framed) {
        layout->setContentsMargins(0, 0, 0, 0);
    }
    first->setParent(holder);
    second->setParent(holder);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch(1);
    auto* group = new QButtonGroup(holder);
    group->addButton(first);
    group->addButton(second);
    return holder;
}

}  // namespace

QWidget* CreateRunnerPanel(MainFormWidgets& form, QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    form.txtname = NewTextBox(QStringLiteral("txtname"), panel);
    SetWidthInCharacters(form.txtname, kNameCharacters);
    QLabel* nameLabel = NewCaption(QStringLiteral("Runner's Name:"), panel);
    nameLabel->setBuddy(form.txtname);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(form.txtname, 0, 1, 1, 2);

    form.txtage = NewTextBox(QStringLiteral("txtage"), panel);
    MarkReadingSlips(form.txtage);
    form.txtage->setFixedWidth(
        form.txtage->fontMetrics().horizontalAdvance(QString(kAgeCharacters, QLatin1Char('0'))));
    QLabel* ageLabel = NewCaption(QStringLiteral("Age:"), panel);
    ageLabel->setBuddy(form.txtage);
    grid->addWidget(ageLabel, 1, 0);
    grid->addWidget(form.txtage, 1, 1);
    form.optmale = NewOption(QStringLiteral("optmale"), QStringLiteral("Male"), panel);
    form.optfemale = NewOption(QStringLiteral("optfemale"), QStringLiteral("Female"), panel);
    grid->addWidget(OptionPair(form.optmale, form.optfemale, false, panel), 1, 2);

    form.agecomp =
        NewCheckBox(QStringLiteral("agecomp"), QStringLiteral("Use age-based comparisons"), panel);
    grid->addWidget(form.agecomp, 2, 0, 1, 3);

    form.Option7 = NewOption(QStringLiteral("Option7"), QStringLiteral("Fit best two"), panel);
    form.Option8 = NewOption(QStringLiteral("Option8"), QStringLiteral("Use all data"), panel);
    form.Option9 = NewOption(QStringLiteral("Option9"), QStringLiteral("Metric output"), panel);
    form.Option10 = NewOption(QStringLiteral("Option10"), QStringLiteral("English output"), panel);
    auto* groups = new QHBoxLayout;
    groups->addWidget(OptionPair(form.Option7, form.Option8, true, panel));
    groups->addWidget(OptionPair(form.Option9, form.Option10, true, panel));
    groups->addStretch(1);
    grid->addLayout(groups, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    return panel;
}

}  // namespace kestrova
