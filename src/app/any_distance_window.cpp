#include "app/any_distance_window.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analyses/any_distance.hpp"
#include "app/dialogs.hpp"
#include "app/follow_session.hpp"
#include "app/form_controls.hpp"
#include "app/help_window.hpp"
#include "app/open_or_raise.hpp"
#include "app/slip_marks.hpp"
#include "app/table_window_parts.hpp"
#include "app/text_canvas.hpp"
#include "app/widget_builder.hpp"
#include "app/window_printing.hpp"
#include "session/session.hpp"

namespace kestrova {
namespace {

constexpr int kCanvasColumns = 80;
constexpr int kCanvasLines = 12;
constexpr int kLineColumns = 90;       // Text4 and Text5
constexpr int kUnitColumns = 3;        // unit buttons per row of Frame1
constexpr int kResultLinePadding = 2;  // pixels above and below a result line's text

constexpr std::array<const char*, kDistanceUnitCount> kUnitNames = {"optmi", "optyd",   "optkm",
                                                                    "optm",  "optmara", "opthmara"};
constexpr std::array<const char*, kDistanceUnitCount> kUnitCaptions = {"mi", "yd",   "km",
                                                                       "m",  "mara", "half mara"};
constexpr std::array<const char*, kSpecialAnalysisChoices> kAnalysisNames = {"Option1", "Option2",
                                                                             "Option3", "Option5"};
constexpr std::array<const char*, kSpecialAnalysisChoices> kAnalysisCaptions = {
    "Uneven splits effect", "Hill - constant slope", "Hill - half up/half down", "Level time only"};

// A result line: a white box in the tables' font, wide enough for the whole line, whose text can
// be selected and copied. Its text starts right inside its frame, as its heading's does.
QLabel* ResultLine(QWidget* parent, const char* name) {
    QLabel* box = NewTableLabel(parent, name, {});
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setIndent(0);
    box->setMargin(0);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setAutoFillBackground(true);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Window, Qt::white);
    box->setPalette(colours);
    const QFontMetrics metrics(box->font());
    box->setMinimumSize(
        metrics.horizontalAdvance(QString(kLineColumns, QChar('M'))) + 2 * box->frameWidth(),
        metrics.height() + 2 * (box->frameWidth() + kResultLinePadding));
    return box;
}

// The column heading over a result box: the same font, its text starting where the box's does.
QLabel* ResultHeading(QWidget* parent, const char* name, SpecialLine line, const QLabel& box) {
    QLabel* heading = NewTableLabel(parent, name, QString::fromStdString(SpecialHeadingText(line)));
    heading->setIndent(0);
    heading->setMargin(0);
    heading->setContentsMargins(box.frameWidth(), 0, box.frameWidth(), 0);
    return heading;
}

std::string TextOf(const QLineEdit* box) {
    return box->text().toStdString();
}

}  // namespace

AnyDistanceWindow::AnyDistanceWindow(const WindowContext& context, SpecialFormMemory& memory)
    : QWidget(context.owner, Qt::Window),
      context_(context),
      memory_(memory),
      canvas_(new TextCanvas(this)),
      distance_(NewTextBox(this, QStringLiteral("Text1"))),
      slope_(NewTextBox(this, QStringLiteral("Text3"))),
      horizontalGrade_(NewTextBox(this, QStringLiteral("Text2"))),
      levelLine_(ResultLine(this, "Text4")),
      hillLine_(ResultLine(this, "Text5")),
      calculate_(NewWindowButton(this, "Command1", QStringLiteral("Calculate"))),
      help_(NewWindowButton(this, "Command2", QStringLiteral("Help"))),
      close_(NewWindowButton(this, "Command3", QStringLiteral("Close"))),
      paceSwitch_(NewWindowButton(this, "Command4", PaceUnitSwitchCaption(PaceUnit::Mile))),
      print_(NewWindowButton(this, "Command5", QStringLiteral("Print"))),
      paceNote_(NewLabel(this, "Label8", QStringLiteral("Paces in minutes per mile"))) {
    setObjectName("specinfo");
    setWindowTitle("Special Information");
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_->setObjectName("canvas");
    SizeCanvas(*canvas_, kCanvasColumns, kCanvasLines);
    MarkReadingSlips(distance_);
    MarkReadingSlips(slope_);
    horizontalGrade_->setReadOnly(true);
    horizontalGrade_->setFocusPolicy(Qt::NoFocus);
    paceSwitch_->setEnabled(false);
    paceNote_->hide();
    BuildLayout();
    ShowInputs(SpecialFormInputs{});
    AddPrintShortcut(*this, *print_);
    distance_->setFocus();

    connect(slope_, &QLineEdit::textChanged, this, [this](const QString& text) {
        horizontalGrade_->setText(QString::fromStdString(HorizontalGradeText(text.toStdString())));
    });
    horizontalGrade_->setText(QString::fromStdString(HorizontalGradeText(TextOf(slope_))));
    connect(distance_, &QLineEdit::returnPressed, this, &AnyDistanceWindow::Calculate);
    connect(slope_, &QLineEdit::returnPressed, this, &AnyDistanceWindow::Calculate);
    connect(calculate_, &QPushButton::clicked, this, &AnyDistanceWindow::Calculate);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(paceSwitch_, &QPushButton::clicked, this, &AnyDistanceWindow::SwitchPaceUnit);
    connect(print_, &QPushButton::clicked, this, &AnyDistanceWindow::Print);
    connect(help_, &QPushButton::clicked, this,
            [this] { OpenHelpTopic(context_, HelpTopic::SpecialData); });
}

void AnyDistanceWindow::BuildLayout() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName("Frame1");
    auto* unitGrid = new QGridLayout(frame);
    for (int i = 0; i < kDistanceUnitCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        units_[at] = NewOption(frame, kUnitNames[at], kUnitCaptions[at]);
        unitGrid->addWidget(units_[at], i / kUnitColumns, i % kUnitColumns);
    }
    auto* distance = new QVBoxLayout;
    distance->addWidget(NewLabel(this, "Label2", QStringLiteral("Your distance:")));
    distance->addWidget(
        NewLabel(this, "Label3", QStringLiteral("Number:                   Units:")));
    auto* numberAndUnit = new QHBoxLayout;
    numberAndUnit->addWidget(distance_, 0, Qt::AlignTop);
    numberAndUnit->addWidget(frame);
    distance->addLayout(numberAndUnit);
    distance->addStretch();

    // The analysis buttons have a parent of their own, so they form a group apart from the units.
    auto* choices = new QWidget(this);
    auto* choiceColumn = new QVBoxLayout(choices);
    for (std::size_t i = 0; i < analyses_.size(); ++i) {
        analyses_[i] = NewOption(choices, kAnalysisNames[i], kAnalysisCaptions[i]);
        choiceColumn->addWidget(analyses_[i]);
    }
    auto* slope = new QVBoxLayout;
    slope->addWidget(NewLabel(
        this, "Label6",
        QStringLiteral("Slope (rise/distance along surface).  Use negative for downhill. "), true));
    slope->addWidget(slope_);
    slope->addWidget(NewLabel(this, "Label7",
                              QStringLiteral("Same incline defined as vertical/horizontal"), true));
    slope->addWidget(horizontalGrade_);

    auto* inputs = new QHBoxLayout;
    inputs->addLayout(distance, 3);
    inputs->addWidget(choices, 2);
    inputs->addLayout(slope, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate_);
    buttons->addWidget(paceSwitch_);
    buttons->addWidget(paceNote_);
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(help_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        NewLabel(this, "Label1",
                 QStringLiteral("Choose a distance to analyze.  You can get a predicted "
                                "time for this distance on a level surface (with the "
                                "optional effect of uneven pacing) or on hills (up, "
                                "down, or half-of-each slopes)."),
                 true));
    layout->addLayout(inputs);
    // Each result line has its caption and its column heading, every word over its figure.
    layout->addWidget(NewLabel(this, "Label4", QStringLiteral("Predicted level time:")));
    layout->addWidget(ResultHeading(this, "Label5", SpecialLine::Level, *levelLine_));
    layout->addWidget(levelLine_);
    layout->addWidget(NewLabel(this, "Label9", QStringLiteral("Predicted time on the slope:")));
    layout->addWidget(ResultHeading(this, "Label10", SpecialLine::Hill, *hillLine_));
    layout->addWidget(hillLine_);
    layout->addLayout(buttons);
    layout->addWidget(canvas_, 1);

    // Tab runs through the inputs as they stand on the window, then the buttons and the table.
    const std::array<QWidget*, 10> order = {distance_,  units_[2],   analyses_[0], slope_,
                                            calculate_, paceSwitch_, print_,       help_,
                                            close_,     canvas_};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

SpecialFormInputs AnyDistanceWindow::Inputs() const {
    SpecialFormInputs inputs;
    inputs.Text1 = TextOf(distance_);
    for (std::size_t i = 0; i < units_.size(); ++i) {
        inputs.unitChoice[i] = units_[i]->isChecked();
    }
    for (std::size_t i = 0; i < analyses_.size(); ++i) {
        inputs.analysisChoice[i] = analyses_[i]->isChecked();
    }
    inputs.Text3 = TextOf(slope_);
    inputs.paceUnit = paceUnit_;
    return inputs;
}

void AnyDistanceWindow::ShowInputs(const SpecialFormInputs& inputs) {
    distance_->setText(QString::fromStdString(inputs.Text1));
    for (std::size_t i = 0; i < units_.size(); ++i) {
        SetOptionState(units_[i], inputs.unitChoice[i]);
    }
    for (std::size_t i = 0; i < analyses_.size(); ++i) {
        SetOptionState(analyses_[i], inputs.analysisChoice[i]);
    }
    slope_->setText(QString::fromStdString(inputs.Text3));
}

void AnyDistanceWindow::ShowOpening() {
    canvas_->Clear();
    canvas_->Flush();
    shown_ = false;
    if (memory_.used == 1) {
        ShowInputs(OpeningSpecialInputs(memory_));
    }
}

void AnyDistanceWindow::Calculate() {
    if (FitIsOutOfDate(context_)) {
        ShowOutOfDate();
        return;
    }
    const double level = context_.formInputs().HScroll2 / 1000.0;
    const SpecialResult result =
        CalculateSpecial(context_.state, Inputs(), level, memory_, *canvas_, context_.notifier);
    canvas_->Flush();
    if (!result.computed) {
        return;
    }
    shown_ = true;
    paceSwitch_->setEnabled(result.paceSwitchShown);
    paceNote_->setVisible(result.paceSwitchShown);
    levelLine_->setText(QString::fromStdString(result.Text4));
    // The hill line shows only what the analysis just computed: no slope analysis, no hill line.
    hillLine_->setText(QString::fromStdString(result.Text5.value_or(std::string())));
}

void AnyDistanceWindow::ShowOutOfDate() {
    canvas_->Clear();
    WriteOutOfDate(*canvas_);
    canvas_->Flush();
    levelLine_->clear();
    hillLine_->clear();
}

void AnyDistanceWindow::FollowFit() {
    if (FitIsOutOfDate(context_)) {
        ShowOutOfDate();
    } else if (shown_) {
        Calculate();
    }
}

void AnyDistanceWindow::SwitchPaceUnit() {
    const bool toKilometers = paceUnit_ == PaceUnit::Mile;
    paceUnit_ = toKilometers ? PaceUnit::Kilometer : PaceUnit::Mile;
    paceSwitch_->setText(PaceUnitSwitchCaption(paceUnit_));
    paceNote_->setText(toKilometers ? QStringLiteral("Paces in minutes per kilometer")
                                    : QStringLiteral("Paces in minutes per mile"));
    Calculate();
}

// The window is computed afresh, then printed with its buttons disabled while the print dialog is
// up; they come back as they were ("Help", and the pace unit switch without a table, stay
// disabled).
void AnyDistanceWindow::Print() {
    Calculate();
    PrintWithButtonsDisabled(*this, {calculate_, help_, close_, paceSwitch_, print_},
                             DialogsOf(context_), context_.notifier);
}

AnyDistanceWindow* OpenAnyDistanceWindow(const WindowContext& context, SpecialFormMemory& memory) {
    AnyDistanceWindow* window = OpenOrRaise<AnyDistanceWindow>(context.owner, [&] {
        auto* created = new AnyDistanceWindow(context, memory);
        FollowSession(*created, context, Follow::Fit, [created] { created->FollowFit(); });
        return created;
    });
    window->ShowOpening();
    return window;
}

}  // namespace kestrova
