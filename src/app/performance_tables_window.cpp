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

namespace kestrova {
namespace {

constexpr int kBoxCharacters = 7;

QRadioButton* NewOption(const char* name, const QString& text, QWidget* parent) {
    auto* option = new QRadioButton(text, parent);
    option->setObjectName(QLatin1String(name));
    return option;
}

QLabel* NewLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* NewBox(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setFixedWidth(
        box->fontMetrics().horizontalAdvance(QString(kBoxCharacters, QLatin1Char('n'))));
    MarkReadingSlips(box);
    return box;
}

QPushButton* NewButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
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
    opper_ = NewOption("opper", "&General performance levels", frame);
    oplev_ = NewOption("oplev", "&Times by age for level", frame);
    opage_ = NewOption("opage", "&Individual performance by age", frame);
    auto* note = NewLabel("Label1", "(requires earlier calculation on main form)", frame);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(opper_, 0, 0);
    grid->addWidget(oplev_, 1, 0);
    grid->addWidget(opage_, 2, 0);
    grid->addWidget(note, 2, 1);
    return frame;
}

QWidget* PerformanceTablesWindow::BuildSexOptions() {
    auto* holder = new QWidget(this);
    male_ = NewOption("Option1", "&Male", holder);
    female_ = NewOption("Option2", "&Female", holder);
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
    minimum_ = NewBox("Text1", "60", range);
    interval_ = NewBox("Text2", "5", range);
    maximum_ = NewBox("Text3", "100", range);
    maximum_->setReadOnly(true);
    maximum_->setFocusPolicy(Qt::NoFocus);
    level_ = NewBox("lev", "100", range);
    auto* minimumLabel = NewLabel("Label3", "Mi&nimum", range);
    minimumLabel->setBuddy(minimum_);
    auto* intervalLabel = NewLabel("Label4", "Inte&rval", range);
    intervalLabel->setBuddy(interval_);
    auto* levelLabel = NewLabel("levLabel", "Le&vel (%) for times by age:", range);
    levelLabel->setBuddy(level_);

    auto* grid = new QGridLayout(range);
    grid->addWidget(NewLabel("Label2", "Performance or age (in years) range:", range), 0, 0, 1, 3);
    grid->addWidget(minimumLabel, 1, 0);
    grid->addWidget(intervalLabel, 1, 1);
    grid->addWidget(NewLabel("Label5", "Maximum", range), 1, 2);
    grid->addWidget(minimum_, 2, 0);
    grid->addWidget(interval_, 2, 1);
    grid->addWidget(maximum_, 2, 2);
    grid->addWidget(levelLabel, 3, 0, 1, 2);
    grid->addWidget(level_, 3, 2);
    return range;
}

QWidget* PerformanceTablesWindow::BuildButtons() {
    auto* holder = new QWidget(this);
    calculate_ = NewButton("Command1", "&Calculate", holder);
    calculate_->setDefault(true);
    QPushButton* help = NewButton("Command2", "&Help", holder);
    connect(help, &QPushButton::clicked, this,
            [this] { OpenHelpTopic(context_, HelpTopic::AgeEffects); });
    close_ = NewButton("Command3", "C&lose", holder);
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
