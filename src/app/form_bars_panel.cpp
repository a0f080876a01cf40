#include "app/form_bars_panel.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/form_controls.hpp"
#include "app/widget_builder.hpp"
#include "model/main_form_inputs.hpp"

namespace kestrova {
namespace {

constexpr int kBarMinimumCharacters = 22;
// Every display box has room for the widest value, "136.36" kg.
constexpr int kBoxCharacters = 6;

enum Column { kCaption, kBar, kFirstBox, kFirstUnit, kSecondBox, kSecondUnit };

QScrollBar* AddBar(QGridLayout* grid, int row, const QString& caption, const QString& name,
                   int minimum, int maximum) {
    QWidget* panel = grid->parentWidget();
    QScrollBar* bar = NewScrollBar(panel, name, minimum, maximum);
    bar->setMinimumWidth(
        bar->fontMetrics().horizontalAdvance(QString(kBarMinimumCharacters, QLatin1Char('n'))));
    QLabel* label = NewLabel(panel, {}, caption);
    label->setBuddy(bar);
    grid->addWidget(label, row, kCaption);
    grid->addWidget(bar, row, kBar);
    return bar;
}

}  // namespace

QWidget* CreateBarsPanel(MainFormWidgets& form, QPushButton* explanation, QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    form.HScroll1 = AddBar(grid, 0, QStringLiteral("Weekly training volume:"),
                           QStringLiteral("HScroll1"), kWeeklyMilesMin, kWeeklyMilesMax);
    form.txtmi = NewDisplayBox(panel, QStringLiteral("txtmi"), kBoxCharacters);
    form.txtkm = NewDisplayBox(panel, QStringLiteral("txtkm"), kBoxCharacters);
    grid->addWidget(form.txtmi, 0, kFirstBox);
    grid->addWidget(NewLabel(panel, {}, QStringLiteral("miles =")), 0, kFirstUnit);
    grid->addWidget(form.txtkm, 0, kSecondBox);
    grid->addWidget(NewLabel(panel, {}, QStringLiteral("kilometers")), 0, kSecondUnit);

    form.HScroll2 = AddBar(grid, 1, QStringLiteral("Comparison level:"), QStringLiteral("HScroll2"),
                           kComparisonLevelMin, kComparisonLevelMax);
    form.Text5 = NewDisplayBox(panel, QStringLiteral("Text5"), kBoxCharacters);
    grid->addWidget(form.Text5, 1, kFirstBox);
    explanation->setParent(panel);
    grid->addWidget(explanation, 1, kFirstUnit, 1, 3, Qt::AlignLeft);

    form.wtscrl = AddBar(grid, 2, QStringLiteral("Weight:"), QStringLiteral("wtscrl"),
                         kWeightPoundsMin, kWeightPoundsMax);
    form.txlb = NewDisplayBox(panel, QStringLiteral("txlb"), kBoxCharacters);
    form.txkg = NewDisplayBox(panel, QStringLiteral("txkg"), kBoxCharacters);
    grid->addWidget(form.txlb, 2, kFirstBox);
    grid->addWidget(NewLabel(panel, {}, QStringLiteral("lb, or")), 2, kFirstUnit);
    grid->addWidget(form.txkg, 2, kSecondBox);
    grid->addWidget(NewLabel(panel, {}, QStringLiteral("kg")), 2, kSecondUnit);

    grid->setColumnStretch(kBar, 1);
    grid->setRowStretch(3, 1);
    return panel;
}

}  // namespace kestrova
