#include "app/power_window.hpp"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analyses/power_table.hpp"
#include "app/dialogs.hpp"
#include "app/follow_session.hpp"
#include "app/open_or_raise.hpp"
#include "app/table_window_parts.hpp"
#include "app/text_canvas.hpp"
#include "app/widget_builder.hpp"
#include "app/window_printing.hpp"

namespace kestrova {
namespace {

constexpr int kCanvasColumns = 90;
constexpr int kCanvasLines = 35;
// The headings stand over the table's third character column; the "Gross" and "Net" of Label3
// over the power used columns.
constexpr int kHeadingColumn = 3;
constexpr int kPowerUsedColumn = 29;

const QString kMileUnits = QStringLiteral(
    "min/mi  mi/hr   Watts     Watts  Watts   kcal/hr kcal/hr   METs      kcal/mi  kcal/mi ");
const QString kKilometerUnits = QStringLiteral(
    "min/km  km/hr   Watts     Watts  Watts    kJ/hr   kJ/hr    METs       kJ/km    kJ/km ");

}  // namespace

PowerWindow::PowerWindow(ModelState& state, Dialogs& dialogs, Notifier& notifier, QWidget* owner)
    : QWidget(owner, Qt::Window),
      state_(state),
      dialogs_(dialogs),
      notifier_(notifier),
      canvas_(new TextCanvas(this)),
      units_(NewTableLabel(this, "Label2", kMileUnits)),
      close_(NewWindowButton(this, "Command1", QStringLiteral("Close"))),
      unitSwitch_(NewWindowButton(this, "Command2", PaceUnitSwitchCaption(PaceUnit::Mile))),
      print_(NewWindowButton(this, "Command3", QStringLiteral("Print"))) {
    setObjectName("powen");
    setWindowTitle("Power and Energy Usage and Output");
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_->setObjectName("canvas");
    SizeCanvas(*canvas_, kCanvasColumns, kCanvasLines);

    QLabel* headings[] = {
        NewTableLabel(this, "Label1",
                      QStringLiteral("Pace  Speed   Power Ouput -------------Power Used--------"
                                     "------  Energy Used per Distance")),
        NewTableLabel(this, "Label3",
                      QStringLiteral("Gross   Net     Gross   Net                 Gross     "
                                     "Net")),
        units_,
    };
    auto* layout = new QVBoxLayout(this);
    for (QLabel* heading : headings) {
        AlignWithCanvasColumn(*heading, *canvas_, kHeadingColumn);
        layout->addWidget(heading);
    }
    AlignWithCanvasColumn(*headings[1], *canvas_, kPowerUsedColumn);
    layout->addWidget(canvas_, 1);
    layout->addWidget(NewTableLabel(
        this, "Label4", QStringLiteral("'Gross' means including base metabolic rate.")));
    layout->addLayout(TableButtonRow({unitSwitch_}, print_, close_));
    AddPrintShortcut(*this, *print_);
    close_->setFocus();

    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(unitSwitch_, &QPushButton::clicked, this, &PowerWindow::SwitchUnit);
    connect(print_, &QPushButton::clicked, this, &PowerWindow::Print);
}

void PowerWindow::ShowTable() {
    ShowPowerTable(state_.weightKg, unit_, *canvas_);
    canvas_->Flush();
}

void PowerWindow::SwitchUnit() {
    const bool toKilometers = unit_ == PaceUnit::Mile;
    unit_ = toKilometers ? PaceUnit::Kilometer : PaceUnit::Mile;
    unitSwitch_->setText(PaceUnitSwitchCaption(unit_));
    units_->setText(toKilometers ? kKilometerUnits : kMileUnits);
    ShowTable();
}

void PowerWindow::Print() {
    PrintWithButtonsDisabled(*this, {close_, unitSwitch_, print_}, dialogs_, notifier_);
}

PowerWindow* OpenPowerWindow(const WindowContext& context) {
    QWidget* owner = context.owner;
    ModelState& state = context.state;
    Notifier& notifier = context.notifier;
    PowerWindow* window = OpenOrRaise<PowerWindow>(owner, [&] {
        auto* created = new PowerWindow(state, DialogsOf(context), notifier, owner);
        // The weight is one of the options the window follows.
        FollowSession(*created, context, Follow::FitAndOptions,
                      [created] { created->ShowTable(); });
        return created;
    });
    window->ShowTable();
    return window;
}

}  // namespace kestrova
