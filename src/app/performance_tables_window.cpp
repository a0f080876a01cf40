#include "app/performance_tables_window.hpp"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/help_window.hpp"
#include "app/open_or_raise.hpp"
#include "app/performance_levels_window.hpp"
#include "app/slip_marks.hpp"
#include "app/widget_builder.hpp"

namespace kestrova {
namespace {

constexpr int kBoxCharacters = 7;

// A box for one of the column values, seven characters wide, its reading slips marked.
QLineEdit* NumberBox(QWidget* parent, const char* name, const QString& text) {
    QLineEdit* box = NewTextBox(parent, name, text);
    box->setFixedWidth(
        box->fontMetrics().horizontalAdvance(QString(kBoxCharacters, QLatin1Char('n'))));
    MarkReadingSlips(box);
    return box;
}

std::string Text(const QLineEdit* box) {
    return box->text().toStdString();
}

}  // namespace

PerformanceTablesWindow::PerformanceTablesWindow(const WindowContext& context)
    : QWidget(context.owner, Qt::Window), context_(context) {
    setObjectName("pertabspec");
    setWindowTitle("Performance table specifications");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildKindFrame());
    layout->addWidget(BuildSexOptions());
    layout->addWidget(BuildRange());
    layout->addWidget(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Connect();
    opper_->setChecked(true);
    ChooseGeneral();
    opper_->setFocus();
}

QWidget* PerformanceTablesWindow::BuildKindFrame() {
    auto* frame = new QGroupBox("Select type of table: ", this);
    frame->setObjectName("Frame1");
    opper_ = NewOption(frame, "opper", "&General performance levels");
    oplev_ = NewOption(frame, "oplev", "&Times by age for level");
    opage_ = NewOption(frame, "opage", "&Individual performance by age");
    auto* note = NewLabel(frame, "Label1", "(requires earlier calculation on main form)");
    auto* grid = new QGridLayout(frame);
    grid->addWidget(opper_, 0, 0);
    grid->addWidget(oplev_, 1, 0);
    grid->addWidget(opage_, 2, 0);
    grid->addWidget(note, 2, 1);
    return frame;
}

QWidget* PerformanceTablesWindow::BuildSexOptions() {
    auto* holder = new QWidget(this);
    male_ = NewOption(holder, "Option1", "&Male");
    female_ = NewOption(holder, "Option2", "&Female");
    auto* group = new QButtonGroup(holder);
    group->addButton(male_);
    group->addButton(female_);
    auto* row = new QHBoxLayout(holder);
    row->addWidget(male_);
    row->addWidget(female_);
    row->addStretch();
    return holder;
}

QWidget* PerformanceTablesWindow::BuildRange() {
    auto* range = new QWidget(this);
    minimum_ = NumberBox(range, "Text1", "60");
    interval_ = NumberBox(range, "Text2", "5");
    maximum_ = NumberBox(range, "Text3", "100");
    maximum_->setReadOnly(true);
    maximum_->setFocusPolicy(Qt::NoFocus);
    level_ = NumberBox(range, "lev", "100");
    auto* minimumLabel = NewLabel(range, "Label3", "Mi&nimum");
    minimumLabel->setBuddy(minimum_);
    auto* intervalLabel = NewLabel(range, "Label4", "Inte&rval");
    intervalLabel->setBuddy(interval_);
    auto* levelLabel = NewLabel(range, "levLabel", "Le&vel (%) for times by age:");
    levelLabel->setBuddy(level_);

    auto* grid = new QGridLayout(range);
    grid->addWidget(NewLabel(range, "Label2", "Performance or age (in years) range:"), 0, 0, 1, 3);
    grid->addWidget(minimumLabel, 1, 0);
    grid->addWidget(intervalLabel, 1, 1);
    grid->addWidget(NewLabel(range, "Label5", "Maximum"), 1, 2);
    grid->addWidget(minimum_, 2, 0);
    grid->addWidget(interval_, 2, 1);
    grid->addWidget(maximum_, 2, 2);
    grid->addWidget(levelLabel, 3, 0, 1, 2);
    grid->addWidget(level_, 3, 2);
    return range;
}

QWidget* PerformanceTablesWindow::BuildButtons() {
    auto* holder = new QWidget(this);
    calculate_ = NewButton(holder, "Command1", "&Calculate");
    calculate_->setDefault(true);
    QPushButton* help = NewButton(holder, "Command2", "&Help");
    connect(help, &QPushButton::clicked, this,
            [this] { OpenHelpTopic(context_, HelpTopic::AgeEffects); });
    close_ = NewButton(holder, "Command3", "C&lose");
    auto* row = new QHBoxLayout(holder);
    row->addWidget(calculate_);
    row->addWidget(help);
    row->addWidget(close_);
    return holder;
}

void PerformanceTablesWindow::Connect() {
    ModelState& state = context_.state;
    connect(opper_, &QRadioButton::clicked, this, &PerformanceTablesWindow::ChooseGeneral);
    connect(opage_, &QRadioButton::clicked, this, &PerformanceTablesWindow::ChooseIndividual);
    connect(oplev_, &QRadioButton::toggled, this,
            [&state](bool selected) { state.timesByAgeSelected = selected; });
    connect(male_, &QRadioButton::toggled, this, [&state](bool selected) {
        if (selected) {
            state.sex = "m";
        }
    });
    connect(female_, &QRadioButton::toggled, this, [&state](bool selected) {
        if (selected) {
            state.sex = "f";
        }
    });
    connect(minimum_, &QLineEdit::textChanged, this, &PerformanceTablesWindow::ShowMaximum);
    connect(interval_, &QLineEdit::textChanged, this, &PerformanceTablesWindow::ShowMaximum);
    for (QLineEdit* box : {minimum_, interval_, level_}) {
        connect(box, &QLineEdit::returnPressed, this, &PerformanceTablesWindow::MakeTable);
    }
    connect(calculate_, &QPushButton::clicked, this, &PerformanceTablesWindow::MakeTable);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void PerformanceTablesWindow::ChooseGeneral() {
    male_->setEnabled(true);
    female_->setEnabled(true);
    CopySexFromMainWindow();
}

void PerformanceTablesWindow::ChooseIndividual() {
    CopySexFromMainWindow();
    male_->setEnabled(male_->isChecked());
    female_->setEnabled(female_->isChecked());
}

void PerformanceTablesWindow::CopySexFromMainWindow() {
    const MainFormInputs form = context_.formInputs();
    if (form.optmale) {
        context_.state.sex = "m";
        male_->setChecked(true);
    } else if (form.optfemale) {
        context_.state.sex = "f";
        female_->setChecked(true);
    }
}

void PerformanceTablesWindow::ShowMaximum() {
    maximum_->setText(QString::fromStdString(MaximumText(Text(minimum_), Text(interval_))));
}

PerformanceTableRequest PerformanceTablesWindow::Request() const {
    PerformanceTableRequest request{PerformanceTableKind::General, Text(minimum_), Text(interval_),
                                    Text(level_)};
    if (oplev_->isChecked()) {
        request.kind = PerformanceTableKind::TimesByAge;
    } else if (opage_->isChecked()) {
        request.kind = PerformanceTableKind::Individual;
    }
    return request;
}

void PerformanceTablesWindow::MakeTable() {
    ShowPerformanceLevelsWindow(context_, Request());
}

void PerformanceTablesWindow::closeEvent(QCloseEvent* event) {
    // The window's choices stop counting, and the state is rebuilt from the main window (once,
    // however often the closing window is asked to close).
    if (!closed_) {
        closed_ = true;
        context_.state.timesByAgeSelected = false;
        context_.rerunCalculate();
    }
    event->accept();
}

PerformanceTablesWindow* OpenPerformanceTablesWindow(const WindowContext& context) {
    return OpenOrRaise<PerformanceTablesWindow>(
        context.owner, [&context] { return new PerformanceTablesWindow(context); });
}

}  // namespace kestrova
