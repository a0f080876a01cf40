#include "app/main_window_layout.hpp"

#include <vector>

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "app/form_bars_panel.hpp"
#include "app/form_runner_panel.hpp"
#include "app/race_rows_panel.hpp"
#include "app/text_canvas.hpp"
#include "app/widget_builder.hpp"

namespace kestrova {
namespace {

// The prediction table is 95 characters wide and 11 lines long; one line more keeps it clear of
// the horizontal scroll bar.
constexpr int kCanvasColumns = 95;
constexpr int kCanvasLines = 12;
constexpr int kCanvasMinimumColumns = 20;
constexpr int kCanvasMinimumLines = 4;

// The output canvas, asking for room for the whole table; made smaller, it scrolls.
class OutputCanvas : public TextCanvas {
  public:
    using TextCanvas::TextCanvas;
    QSize sizeHint() const override { return SizeFor(kCanvasColumns, kCanvasLines); }
    QSize minimumSizeHint() const override {
        return SizeFor(kCanvasMinimumColumns, kCanvasMinimumLines);
    }

  private:
    QSize SizeFor(int columns, int lines) const {
        const QFontMetrics metrics(font());
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin()));
        const int width = metrics.horizontalAdvance(QString(columns, QLatin1Char('0')));
        return {width + margins + scrollBar + 1,
                lines * metrics.lineSpacing() + margins + scrollBar};
    }
};

MainButtons CreateButtons(QWidget* parent) {
    MainButtons buttons;
    buttons.Command1 = NewButton(parent, "Command1", "Calculate");
    buttons.Command2 = NewButton(parent, "Command2", "Graph");
    buttons.Command3 = NewButton(parent, "Command3", "Analyze");
    buttons.Command4 = NewButton(parent, "Command4", "Special");
    buttons.Command5 = NewButton(parent, "Command5", "Help");
    buttons.Command6 = NewButton(parent, "Command6", "Close");
    buttons.Command7 = NewButton(parent, "Command7", "Clear");
    buttons.Command8 = NewButton(parent, "Command8", "Explanation");
    // Graph, Analyze and Special wait for a run.
    for (QPushButton* button : {buttons.Command2, buttons.Command3, buttons.Command4}) {
        button->setEnabled(false);
    }
    return buttons;
}

QVBoxLayout* ButtonColumn(const MainButtons& buttons) {
    auto* column = new QVBoxLayout;
    column->addWidget(buttons.Command1);
    column->addWidget(buttons.Command7);
    column->addSpacing(buttons.Command1->sizeHint().height() / 2);
    column->addWidget(buttons.Command2);
    column->addWidget(buttons.Command3);
    column->addWidget(buttons.Command4);
    column->addWidget(buttons.Command5);
    column->addStretch(1);
    column->addWidget(buttons.Command6);
    return column;
}

QFrame* Separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// Tab goes through the profile, the scroll bars, the race rows from left to right and row by
// row, then the buttons and the canvas.
void SetTabOrder(const MainWindowControls& controls) {
    const MainFormWidgets& f = controls.form;
    const MainButtons& b = controls.buttons;
    std::vector<QWidget*> order = {f.txtname,  f.txtage,   f.optmale, f.optfemale, f.agecomp,
                                   f.Option7,  f.Option8,  f.Option9, f.Option10,  f.HScroll1,
                                   f.HScroll2, b.Command8, f.wtscrl};
    for (const RaceRowWidgets& row : f.rows) {
        order.insert(order.end(), {row.Check1, row.Text1, row.Text2, row.Text3, row.Text4});
        order.insert(order.end(), row.unitOption.begin(), row.unitOption.end());
    }
    order.insert(order.end(), {b.Command1, b.Command7, b.Command2, b.Command3, b.Command4,
                               b.Command5, b.Command6, controls.picture1});
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace

MainWindowControls CreateMainWindowControls(QWidget* central) {
    MainWindowControls controls;
    controls.buttons = CreateButtons(central);

    auto* top = new QHBoxLayout;
    top->addWidget(CreateRunnerPanel(controls.form, central));
    top->addSpacing(central->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    top->addWidget(CreateBarsPanel(controls.form, controls.buttons.Command8, central), 1);

    RaceRowsPanel rows = CreateRaceRowsPanel(central);
    controls.form.rows = rows.rows;
    controls.form.Command2 = controls.buttons.Command2;
    controls.form.Command3 = controls.buttons.Command3;
    controls.form.Command4 = controls.buttons.Command4;

    controls.picture1 = new OutputCanvas(central);
    controls.picture1->setObjectName(QStringLiteral("Picture1"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(controls.picture1, 1);
    bottom->addLayout(ButtonColumn(controls.buttons));

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(Separator(central));
    layout->addWidget(rows.widget);
    layout->addLayout(bottom, 1);
    SetTabOrder(controls);
    return controls;
}

}  // namespace kestrova
