#include "app/slope_window.hpp"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs.hpp"
#include "app/follow_session.hpp"
#include "app/open_or_raise.hpp"
#include "app/table_window_parts.hpp"
#include "app/text_canvas.hpp"
#include "app/widget_builder.hpp"
#include "app/window_printing.hpp"

namespace kestrova {
namespace {

constexpr int kCanvasColumns = 108;
constexpr int kCanvasLines = 24;
constexpr int kHorizontalGrades = 2;

// The example of Label2 for the unit and grade definition.
QString ExampleText(PaceUnit unit, int gradeDefinition) {
    const bool horizontal = gradeDefinition == kHorizontalGrades;
    if (unit == PaceUnit::Kilometer) {
        return QStringLiteral(
                   "Example: Running 5:00 per kilometer on level surface requires "
                   "about the same effort as 6:50 per kilometer on an 6% uphill grade "
                   "or %1 per kilometer on a 6% downhill grade.")
            .arg(horizontal ? "4:01" : "4:00");
    }
    return QStringLiteral(
               "Example: Running 7:00 per mile on level surface requires about the "
               "same effort as %1 per mile on an 6% uphill grade or 5:42 per mile on a "
               "6% downhill grade.")
        .arg(horizontal ? "9:23" : "9:24");
}

QString GradeHeading(int gradeDefinition) {
    return gradeDefinition == kHorizontalGrades
               ? QStringLiteral("  GRADE (vertical rise/horizontal distance)")
               : QStringLiteral("GRADE (vertical rise/distance along surface)");
}

QString UnitText(PaceUnit unit, bool switched) {
    if (unit == PaceUnit::Kilometer) {
        return QStringLiteral("Paces in minutes per kilometer");
    }
    return switched ? QStringLiteral("Paces in minutes per mile")
                    : QStringLiteral(" Paces in minutes per mile");
}

// The program's grade definition, 1 unless it is 2.
int ProgramGradeDefinition(const ModelState& state) {
    return state.gradeDefinition == kHorizontalGrades ? kHorizontalGrades : 1;
}

}  // namespace

SlopeWindow::SlopeWindow(ModelState& state, Dialogs& dialogs, Notifier& notifier, QWidget* owner)
    : QWidget(owner, Qt::Window),
      state_(state),
      dialogs_(dialogs),
      notifier_(notifier),
      canvas_(new TextCanvas(this)),
      unitLabel_(NewTableLabel(this, "Label1", QString())),
      example_(NewTableLabel(this, "Label2", QString(), true)),
      gradeHeading_(NewTableLabel(this, "Label4", QString())),
      minus_(NewWindowButton(this, "sclminus", QStringLiteral("-"))),
      plus_(NewWindowButton(this, "sclplus", QStringLiteral("+"))),
      close_(NewWindowButton(this, "Command1", QStringLiteral("Close"))),
      unitSwitch_(NewWindowButton(this, "Command2", PaceUnitSwitchCaption(PaceUnit::Mile))),
      print_(NewWindowButton(this, "Command3", QStringLiteral("Print"))),
      gradeSwitch_(NewWindowButton(this, "Command4", QStringLiteral("Switch grade defnition"))) {
    setObjectName("eqpace");
    setWindowTitle("Equivalent Paces on Different Slopes");
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_->setObjectName("canvas");
    SizeCanvas(*canvas_, kCanvasColumns, kCanvasLines);
    settings_.gradeDefinition = ProgramGradeDefinition(state_);

    auto* range = new QHBoxLayout;
    range->addWidget(NewTableLabel(this, "Label3", QStringLiteral("Range:")));
    range->addWidget(minus_);
    range->addWidget(plus_);
    range->addSpacing(24);
    range->addWidget(gradeHeading_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(unitLabel_);
    layout->addWidget(example_);
    layout->addLayout(range);
    layout->addWidget(canvas_, 1);
    layout->addLayout(TableButtonRow({unitSwitch_, gradeSwitch_}, print_, close_));
    AddPrintShortcut(*this, *print_);
    close_->setFocus();
    ShowSettings();

    connect(minus_, &QPushButton::clicked, this, [this] { ChangeRange(-1); });
    connect(plus_, &QPushButton::clicked, this, [this] { ChangeRange(1); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(unitSwitch_, &QPushButton::clicked, this, &SlopeWindow::SwitchUnit);
    connect(gradeSwitch_, &QPushButton::clicked, this, &SlopeWindow::SwitchGradeDefinition);
    connect(print_, &QPushButton::clicked, this, &SlopeWindow::Print);
}

void SlopeWindow::OpenFromMenu() {
    settings_.slopeRange = 2;
    settings_.gradeDefinition = ProgramGradeDefinition(state_);
    ShowSettings();
    ShowTable();
}

void SlopeWindow::ShowTable() {
    ShowSlopeTable(settings_, *canvas_);
    canvas_->Flush();
}

void SlopeWindow::ChangeRange(int step) {
    settings_.slopeRange = std::clamp(settings_.slopeRange + step, kMinSlopeRange, kMaxSlopeRange);
    ShowSettings();
    ShowTable();
}

void SlopeWindow::SwitchUnit() {
    settings_.unit = settings_.unit == PaceUnit::Mile ? PaceUnit::Kilometer : PaceUnit::Mile;
    unitSwitched_ = true;
    ShowSettings();
    ShowTable();
}

void SlopeWindow::SwitchGradeDefinition() {
    settings_.gradeDefinition =
        settings_.gradeDefinition == kHorizontalGrades ? 1 : kHorizontalGrades;
    state_.gradeDefinition = settings_.gradeDefinition;
    ShowSettings();
    ShowTable();
}

// Captions, labels and the range buttons as the settings are: a range button is disabled at its
// end of the ranges.
void SlopeWindow::ShowSettings() {
    unitSwitch_->setText(PaceUnitSwitchCaption(settings_.unit));
    unitLabel_->setText(UnitText(settings_.unit, unitSwitched_));
    SetWrappedText(*example_, ExampleText(settings_.unit, settings_.gradeDefinition), *canvas_);
    gradeHeading_->setText(GradeHeading(settings_.gradeDefinition));
    minus_->setEnabled(settings_.slopeRange > kMinSlopeRange);
    plus_->setEnabled(settings_.slopeRange < kMaxSlopeRange);
}

void SlopeWindow::Print() {
    PrintWithButtonsDisabled(*this, {close_, unitSwitch_, print_}, dialogs_, notifier_);
}

SlopeWindow* OpenSlopeWindow(const WindowContext& context) {
    QWidget* owner = context.owner;
    ModelState& state = context.state;
    Notifier& notifier = context.notifier;
    SlopeWindow* window = OpenOrRaise<SlopeWindow>(owner, [&] {
        auto* created = new SlopeWindow(state, DialogsOf(context), notifier, owner);
        // The table uses no runner data, so a Calculate that stopped leaves it valid: it is only
        // written anew, in the window's own settings. No other window's option (graph scale and
        // units, weight) is among its inputs, so a drag of the weight bar does not redraw it.
        FollowSession(*created, context, Follow::Fit, [created] { created->ShowTable(); });
        return created;
    });
    window->OpenFromMenu();
    return window;
}

}  // namespace kestrova
