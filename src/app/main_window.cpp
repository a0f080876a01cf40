#include "app/main_window.hpp"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include "app/about_window.hpp"
#include "app/activity_window.hpp"
#include "app/analysis_window.hpp"
#include "app/any_distance_window.hpp"
#include "app/file_access_window.hpp"
#include "app/form_binding.hpp"
#include "app/form_controls.hpp"
#include "app/graph_window.hpp"
#include "app/help_topics_window.hpp"
#include "app/help_window.hpp"
#include "app/performance_tables_window.hpp"
#include "app/power_window.hpp"
#include "app/references_window.hpp"
#include "app/report_printing.hpp"
#include "app/session_signals.hpp"
#include "app/slope_window.hpp"
#include "app/team_window.hpp"
#include "app/text_canvas.hpp"
#include "app/treadmill_window.hpp"
#include "model/start_up_state.hpp"
#include "painting/image_module_loader.hpp"
#include "session/runner_inputs.hpp"

namespace kestrova {
namespace {

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

MainWindow::MainWindow(Session& session, Notifier& notifier, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      state_(session.State()),
      changes_(new SessionSignals(session, this)),
      notifier_(notifier),
      endProgram_([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("keststart"));
    setWindowTitle(QString::fromLatin1(kMainWindowTitle));
    auto* central = new QWidget(this);
    controls_ = CreateMainWindowControls(central);
    setCentralWidget(central);
    menus_ = CreateMainMenus(menuBar());
    controls_.form.pfull = menus_.pfull;
    controls_.form.tfile = menus_.tfile;
    StartUp();
    ConnectControls();
    ConnectMenus();
    ConnectButtons();
    ConnectReports();
    SizeToScreen();
}

MainFormInputs MainWindow::FormInputs() const {
    return ReadFormWidgets(controls_.form);
}

WindowContext MainWindow::Context() {
    return WindowContext{
        state_,
        notifier_,
        this,
        [this] { return FormInputs(); },
        [this] { RunCalculate(); },
        [this](int row, const RaceRowInputs& contents) { SetRaceRow(row, contents); },
        copiedRows_,
        changes_,
        dialogs_,
        &session_,
        [this](const MainFormInputs& runner) { SetRunner(runner); },
        RunningProgramImageModule(),
    };
}

void MainWindow::SetRaceRow(int row, const RaceRowInputs& contents) {
    if (row < 0 || row >= kRaceRowCount) {
        return;
    }
    MainFormInputs form = FormInputs();
    form.rows[static_cast<std::size_t>(row)] = contents;
    ShowRaceRows(form, controls_.form);
}

void MainWindow::SetRunner(const MainFormInputs& runner) {
    MainFormInputs form = FormInputs();
    TakeRunner(form, runner);
    ShowFormInputs(form, controls_.form);
    // As a click on the age comparison box would.
    TakeAgeComparison(state_, FormInputs());
}

void MainWindow::StartUp() {
    MainFormInputs form;
    session_.ReadSettings(form, notifier_);
    ShowFormInputs(form, controls_.form);
    session_.Begin(form);
}

void MainWindow::ConnectControls() {
    const MainFormWidgets& form = controls_.form;
    connect(form.HScroll1, &QScrollBar::valueChanged, this, &MainWindow::ShowWeeklyVolume);
    connect(form.HScroll2, &QScrollBar::valueChanged, this, &MainWindow::ShowComparisonLevel);
    connect(form.wtscrl, &QScrollBar::valueChanged, this, &MainWindow::ShowWeight);
    OnCheckValueChanged(form.agecomp, this,
                        [this](int) { TakeAgeComparison(state_, FormInputs()); });
    for (const RaceRowWidgets& row : form.rows) {
        for (QLineEdit* box : row.Boxes()) {
            connect(box, &QLineEdit::returnPressed, this, &MainWindow::RunCalculate);
        }
    }
}

void MainWindow::ConnectMenus() {
    connect(menus_.exit, &QAction::triggered, this, &MainWindow::EndProgram);
    connect(menus_.scale, &QActionGroup::triggered, this,
            [this](QAction* item) { session_.SetGraphScale(item->data().toInt()); });
    connect(menus_.units, &QActionGroup::triggered, this, [this](QAction* item) {
        session_.SetGraphUnits(item->data().toString().toStdString());
    });
    connect(menus_.pfull, &QAction::triggered, this, &MainWindow::fullReportRequested);
    connect(menus_.tfile, &QAction::triggered, this, &MainWindow::textFileReportRequested);
}

void MainWindow::ConnectButtons() {
    const MainButtons& buttons = controls_.buttons;
    connect(buttons.Command1, &QPushButton::clicked, this, &MainWindow::RunCalculate);
    connect(buttons.Command3, &QPushButton::clicked, this, &MainWindow::analyzeRequested);
    connect(buttons.Command6, &QPushButton::clicked, this, &MainWindow::EndProgram);
    connect(buttons.Command7, &QPushButton::clicked, this, &MainWindow::ClearRaceRowsAndCanvas);
}

void MainWindow::ConnectReports() {
    connect(this, &MainWindow::analyzeRequested, this, [this] { ShowAnalysisWindow(Context()); });
    connect(controls_.buttons.Command2, &QPushButton::clicked, this,
            [this] { ShowGraphWindow(Context()); });
    connect(controls_.buttons.Command4, &QPushButton::clicked, this,
            [this] { OpenAnyDistanceWindow(Context(), session_.special); });
    connect(menus_.datafiles, &QAction::triggered, this,
            [this] { OpenFileAccessWindow(Context()); });
    connect(menus_.importactivity, &QAction::triggered, this,
            [this] { ImportRaceFromActivity(Context()); });
    connect(menus_.openteam, &QAction::triggered, this, [this] { OpenTeamFile(Context()); });
    connect(this, &MainWindow::fullReportRequested, this,
            [this] { PrintFullReport(session_, FormInputs(), this, *dialogs_, notifier_); });
    connect(this, &MainWindow::textFileReportRequested, this,
            [this] { SaveFullReportTextFile(session_, FormInputs(), notifier_); });
    connect(menus_.hillpaces, &QAction::triggered, this, [this] { OpenSlopeWindow(Context()); });
    connect(menus_.tread, &QAction::triggered, this, [this] { OpenTreadmillWindow(Context()); });
    connect(menus_.power, &QAction::triggered, this, [this] { OpenPowerWindow(Context()); });
    connect(menus_.performance, &QAction::triggered, this,
            [this] { OpenPerformanceTablesWindow(Context()); });
    connect(controls_.buttons.Command5, &QPushButton::clicked, this,
            [this] { OpenHelpTopic(Context(), HelpTopic::DataEntry); });
    connect(controls_.buttons.Command8, &QPushButton::clicked, this,
            [this] { OpenHelpTopic(Context(), HelpTopic::ComparisonLevels); });
    connect(menus_.ppinfo, &QAction::triggered, this,
            [this] { OpenHelpTopic(Context(), HelpTopic::Printing); });
    connect(menus_.proghelp, &QAction::triggered, this,
            [this] { OpenHelpTopicsWindow(Context()); });
    connect(menus_.refs, &QAction::triggered, this, [this] { OpenReferencesWindow(Context()); });
    connect(menus_.about, &QAction::triggered, this, [this] { OpenAboutWindow(Context()); });
}

void MainWindow::ShowWeeklyVolume(int miles) {
    MainFormInputs shown;
    SetWeeklyVolume(shown, miles);
    controls_.form.txtmi->setText(ToQString(shown.txtmi));
    controls_.form.txtkm->setText(ToQString(shown.txtkm));
}

void MainWindow::ShowComparisonLevel(int tenthsOfPercent) {
    MainFormInputs shown;
    SetComparisonLevel(shown, tenthsOfPercent);
    controls_.form.Text5->setText(ToQString(shown.Text5));
}

void MainWindow::ShowWeight(int pounds) {
    MainFormInputs shown;
    SetWeight(shown, pounds);
    controls_.form.txlb->setText(ToQString(shown.txlb));
    controls_.form.txkg->setText(ToQString(shown.txkg));
    session_.SetWeightKg(WeightKgShown(shown));
}

void MainWindow::RunCalculate() {
    // A long run (races of hundreds of kilometres) takes a noticeable moment: say so.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    MainFormInputs form = FormInputs();
    session_.Calculate(form, *controls_.picture1, notifier_);
    controls_.picture1->Flush();
    ShowRunResults(form, controls_.form);
}

void MainWindow::ClearRaceRowsAndCanvas() {
    MainFormInputs form = FormInputs();
    ClearRaceRows(form);
    ShowRaceRows(form, controls_.form);
    controls_.picture1->Clear();
    controls_.picture1->Flush();
}

void MainWindow::EndProgram() {
    close();
    endProgram_();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Every way of closing the window ends here once; "Close" and "Exit" end the program after.
    if (!settingsWritten_) {
        settingsWritten_ = true;
        session_.SaveSettings(FormInputs(), notifier_);
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    settingsWritten_ = false;
    QMainWindow::showEvent(event);
}

void MainWindow::SizeToScreen() {
    QSize size = sizeHint();
    if (const QScreen* display = screen()) {
        // Leave room for the window frame's title bar, which the window does not draw.
        const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        const QSize room = display->availableGeometry().size() - QSize(0, titleBar);
        size = size.boundedTo(room).expandedTo(minimumSizeHint());
    }
    resize(size);
}

}  // namespace kestrova
