#pragma once

#include <functional>

#include <QMainWindow>

#include "analyses/any_distance_inputs.hpp"
#include "app/dialogs.hpp"
#include "app/main_window_layout.hpp"
#include "app/main_window_menus.hpp"
#include "app/window_context.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "session/session.hpp"

namespace kestrova {

class SessionSignals;

inline constexpr const char* kMainWindowTitle = "Kestrova Version " KESTROVA_VERSION;

// The main window "keststart": the runner's inputs, the five race rows, the output canvas
// "Picture1", the buttons and the menu bar. It owns the inputs only as control contents; a
// Calculate run reads them into a MainFormInputs, and the model's results go into the program's
// one ModelState. Every control's objectName is its control name ("txtname", "Command1",
// "Text1_0", "pfull", ...).
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Starts the window as the program starts: the program's start-up values, the
    // controls' start-up contents, then the settings file of the current directory.
    MainWindow(Session& session, Notifier& notifier, QWidget* parent = nullptr);

    ModelState& State() { return state_; }
    // The controls' contents as plain data.
    MainFormInputs FormInputs() const;
    // What a secondary window gets from this window.
    // The dialogs the window and its secondary windows ask with (Qt's own unless set).
    void SetDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }
    WindowContext Context();
    // Fills race row `row` (0-4) with these contents, as the file access window does.
    void SetRaceRow(int row, const RaceRowInputs& contents);
    // Puts a runner's name, profile, comparison level, fit and races into the controls, as a
    // team window's double-click does; the output units stay.
    void SetRunner(const MainFormInputs& runner);

    // What "Calculate" does: a Calculate run on the window's inputs
    // (messages to the notifier, the table on Picture1, run results back on the controls), then
    // calculated = 1, whether or not the run stopped on a message.
    void RunCalculate();

    // How "Close" and "Exit" end the program after the window has closed. By default the event
    // loop ends at once (QCoreApplication::exit), so no other window's close handler runs.
    void SetProgramEnd(std::function<void()> end) { endProgram_ = std::move(end); }

    // What "Close" and "Exit" do: the window closes (writing the settings file) and the program
    // ends.
    void EndProgram();

  signals:
    // "Analyze", "Full report" and "Text file of full report": the window answers them itself by
    // opening the analysis window, printing the report, or saving it as a text file.
    void analyzeRequested();
    void fullReportRequested();
    void textFileReportRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void StartUp();
    void ConnectControls();
    void ConnectMenus();
    void ConnectButtons();
    void ConnectReports();
    void ShowWeeklyVolume(int miles);
    void ShowComparisonLevel(int tenthsOfPercent);
    void ShowWeight(int pounds);
    void ClearRaceRowsAndCanvas();
    void SizeToScreen();

    Session& session_;
    ModelState& state_;        // the session's
    SessionSignals* changes_;  // the session's changes, for the windows to follow
    ModalDialogs modalDialogs_;
    Dialogs* dialogs_ = &modalDialogs_;
    Notifier& notifier_;
    MainWindowControls controls_;
    MainMenus menus_;
    std::function<void()> endProgram_;
    bool settingsWritten_ = false;  // by this closing of the window
    CopiedRaceRows copiedRows_;
};

}  // namespace kestrova
