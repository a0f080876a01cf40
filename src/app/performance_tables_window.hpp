#pragma once

#include <string>

#include <QWidget>

#include "analyses/performance_table.hpp"
#include "app/window_context.hpp"
#include "app/window_notifier.hpp"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrova {

// The performance tables window (pertabspec): the kind of table, the sex and
// the nine column values, and "Calculate" (Command1), which shows the table in the
// "Performance levels" window. While it is open its sex is the program's sex and its "Times by
// age for level" option grades every record time for age; closing it, by any means, runs the
// main window's Calculate again so that the state belongs to the entered races once more (when
// the main window has no race to calculate, the sex and age come back as they were instead).
// It opens with "General performance levels" selected.
class PerformanceTablesWindow : public QWidget {
    Q_OBJECT

  public:
    explicit PerformanceTablesWindow(const WindowContext& context);

    // The table the window's controls ask for.
    PerformanceTableRequest Request() const;
    // "Calculate": makes the table and shows it, or leaves everything as it was when the table
    // is refused.
    void MakeTable();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildKindFrame();
    QWidget* BuildSexOptions();
    QWidget* BuildRange();
    QWidget* BuildButtons();
    void Connect();
    // The option clicks: "General performance levels" and "Individual performance by age" copy
    // the main window's sex; the individual table keeps the other sex disabled.
    void ChooseGeneral();
    void ChooseIndividual();
    void CopySexFromMainWindow();
    void ShowMaximum();

    WindowNotifier notifier_;  // before the context, which sends its messages there
    WindowContext context_;
    QRadioButton* opper_ = nullptr;
    QRadioButton* oplev_ = nullptr;
    QRadioButton* opage_ = nullptr;
    QRadioButton* male_ = nullptr;    // Option1
    QRadioButton* female_ = nullptr;  // Option2
    QLineEdit* minimum_ = nullptr;    // Text1
    QLineEdit* interval_ = nullptr;   // Text2
    QLineEdit* maximum_ = nullptr;    // Text3
    QLineEdit* level_ = nullptr;      // lev
    QPushButton* calculate_ = nullptr;
    QPushButton* close_ = nullptr;
    bool closed_ = false;
    // What the window changes in the state, as it was when the window opened.
    std::string sexBefore_;
    double ageBefore_ = 0.0;
};

// The main window's "Performance Tables and Age Effects": opens the window (one at most) or
// brings it to the front. Returns the window.
PerformanceTablesWindow* OpenPerformanceTablesWindow(const WindowContext& context);

}  // namespace kestrova
