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
#include "app/widget_builder.hpp"

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

    form.txtname = NewTextBox(panel, QStringLiteral("txtname"));
    SetWidthInCharacters(form.txtname, kNameCharacters);
    QLabel* nameLabel = NewLabel(panel, {}, QStringLiteral("Runner's Name:"));
    nameLabel->setBuddy(form.txtname);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(form.txtname, 0, 1, 1, 2);

    form.txtage = NewTextBox(panel, QStringLiteral("txtage"));
    MarkReadingSlips(form.txtage);
    form.txtage->setFixedWidth(
        form.txtage->fontMetrics().horizontalAdvance(QString(kAgeCharacters, QLatin1Char('0'))));
    QLabel* ageLabel = NewLabel(panel, {}, QStringLiteral("Age:"));
    ageLabel->setBuddy(form.txtage);
    grid->addWidget(ageLabel, 1, 0);
    grid->addWidget(form.txtage, 1, 1);
    form.optmale = NewOption(panel, QStringLiteral("optmale"), QStringLiteral("Male"));
    form.optfemale = NewOption(panel, QStringLiteral("optfemale"), QStringLiteral("Female"));
    grid->addWidget(OptionPair(form.optmale, form.optfemale, false, panel), 1, 2);

    form.agecomp = NewTristateCheckBox(panel, QStringLiteral("agecomp"),
                                       QStringLiteral("Use age-based comparisons"));
    grid->addWidget(form.agecomp, 2, 0, 1, 3);

    form.Option7 = NewOption(panel, QStringLiteral("Option7"), QStringLiteral("Fit best two"));
    form.Option8 = NewOption(panel, QStringLiteral("Option8"), QStringLiteral("Use all data"));
    form.Option9 = NewOption(panel, QStringLiteral("Option9"), QStringLiteral("Metric output"));
    form.Option10 = NewOption(panel, QStringLiteral("Option10"), QStringLiteral("English output"));
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
