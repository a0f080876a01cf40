#include "app/treadmill_window.hpp"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analyses/treadmill_table.hpp"
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
// The whole table (42 lines) scrolls inside this, so the window fits a 1366x768 screen.
constexpr int kCanvasLines = 32;
constexpr int kHeadingColumn = 4;  // "Treadmill" over the speed column

const QString kMileUnit = QStringLiteral(
    "Pace needed on treadmill with various inclines to simulate outdoor flat conditions.  Paces "
    "in minutes per mile.");
const QString kKilometerUnit = QStringLiteral(
    "Pace needed on treadmill with various inclines to simulate outdoor flat conditions.  Paces "
    "in minutes per kilometer.");
const QString kMileExample = QStringLiteral(
    "Example: 9.0 miles per hour (a 6:40 per mile pace) on a treadmill with a 3 percent incline "
    "requires about the same effort as a 6:01 per mile pace on level ground outdoors.");
const QString kKilometerExample = QStringLiteral(
    "Example: 15.0 kilometers per hour (a 4:00 per kilometer pace) on a treadmill with a 3 percent "
    "incline requires about the same effort as a 3:37 per kilometer pace on level ground "
    "outdoors.");

}  // namespace

TreadmillWindow::TreadmillWindow(Dialogs& dialogs, Notifier& notifier, QWidget* owner)
    : QWidget(owner, Qt::Window),
      dialogs_(dialogs),
      notifier_(notifier),
      canvas_(new TextCanvas(this)),
      unitLabel_(NewTableLabel(this, "Label1", QString(), true)),
      example_(NewTableLabel(this, "Label2", QString(), true)),
      close_(NewWindowButton(this, "Command1", QStringLiteral("Close"))),
      unitSwitch_(NewWindowButton(this, "Command2", PaceUnitSwitchCaption(PaceUnit::Mile))),
      print_(NewWindowButton(this, "Command3", QStringLiteral("Print"))) {
    setObjectName("tmill");
    setWindowTitle("Treadmill Equivalent Paces");
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_->setObjectName("canvas");
    SizeCanvas(*canvas_, kCanvasColumns, kCanvasLines);
    SetWrappedText(*unitLabel_, kMileUnit, *canvas_);
    SetWrappedText(*example_, kMileExample, *canvas_);

    QLabel* heading = NewTableLabel(
        this, "Label3",
        QStringLiteral("Treadmill    Incline (vertical rise/horizontal distance)    Equivalent "
                       "flat pace with air resistance."));
    AlignWithCanvasColumn(*heading, *canvas_, kHeadingColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(unitLabel_);
    layout->addWidget(example_);
    layout->addWidget(heading);
    layout->addWidget(canvas_, 1);
    layout->addLayout(TableButtonRow({unitSwitch_}, print_, close_));
    AddPrintShortcut(*this, *print_);
    close_->setFocus();

    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(unitSwitch_, &QPushButton::clicked, this, &TreadmillWindow::SwitchUnit);
    connect(print_, &QPushButton::clicked, this, &TreadmillWindow::Print);
}

void TreadmillWindow::ShowTable() {
    ShowTreadmillTable(unit_, *canvas_);
    canvas_->Flush();
}

void TreadmillWindow::SwitchUnit() {
    const bool toKilometers = unit_ == PaceUnit::Mile;
    unit_ = toKilometers ? PaceUnit::Kilometer : PaceUnit::Mile;
    unitSwitch_->setText(PaceUnitSwitchCaption(unit_));
    SetWrappedText(*unitLabel_, toKilometers ? kKilometerUnit : kMileUnit, *canvas_);
    SetWrappedText(*example_, toKilometers ? kKilometerExample : kMileExample, *canvas_);
    ShowTable();
}

void TreadmillWindow::Print() {
    PrintWithButtonsDisabled(*this, {close_, unitSwitch_, print_}, dialogs_, notifier_);
}

TreadmillWindow* OpenTreadmillWindow(const WindowContext& context) {
    QWidget* owner = context.owner;
    Notifier& notifier = context.notifier;
    TreadmillWindow* window = OpenOrRaise<TreadmillWindow>(owner, [&] {
        auto* created = new TreadmillWindow(DialogsOf(context), notifier, owner);
        // Like the slopes table it uses no runner data and stays valid after any Calculate.
        FollowSession(*created, context, Follow::Fit, [created] { created->ShowTable(); });
        return created;
    });
    window->ShowTable();
    return window;
}

}  // namespace kestrova
