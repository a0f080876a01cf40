#include <variant>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "analyses/any_distance.hpp"
#include "analyses/performance_table.hpp"
#include "analyses/power_table.hpp"
#include "analyses/training_analysis.hpp"
#include "app/analysis_window.hpp"
#include "app/any_distance_window.hpp"
#include "app/file_access_window.hpp"
#include "app/graph_window.hpp"
#include "app/performance_levels_window.hpp"
#include "app/performance_tables_window.hpp"
#include "app/power_window.hpp"
#include "app/program_font.hpp"
#include "app/program_lifetime.hpp"
#include "app/slope_window.hpp"
#include "app/text_canvas.hpp"
#include "app/treadmill_window.hpp"
#include "main_window_fixture.hpp"
#include "output/pace_graph.hpp"
#include "session/session.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

class MainWindowReportsTest : public MainWindowTest {
  protected:
    void Calculate() { Find<QAbstractButton>("Command1")->click(); }
    void SetScrollBar(const char* name, int value) {
        Find<QScrollBar>(QLatin1String(name))->setValue(value);
    }

    // Opens every secondary window the main window's buttons and menus open; returns those
    // open.
    std::vector<QWidget*> OpenEverySecondaryWindow();
    // Opens every window and checks that each control lies inside its window, apart from the
    // others.
    void ExpectControlsInsideTheirWindows();
};

// "Special" opens one window, which opens again with its last inputs for the rest of the run.
TEST_F(MainWindowReportsTest, SpecialOpensOneWindowThatKeepsItsInputsForTheRun) {
    Calculate();
    Find<QAbstractButton>("Command4")->click();
    Find<QAbstractButton>("Command4")->click();
    auto windows = Window().findChildren<AnyDistanceWindow*>();
    ASSERT_EQ(windows.size(), 1);
    windows.front()->findChild<QLineEdit*>("Text1")->setText("8");
    windows.front()->findChild<QAbstractButton*>("Command1")->click();
    windows.front()->close();
    test_support::DeleteClosedWindows();
    Find<QAbstractButton>("Command4")->click();
    windows = Window().findChildren<AnyDistanceWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.front()->Inputs().Text1, "8");
}

// An open special information window that showed a calculation shows it again on the new curve
// after Calculate, and the out-of-date text after a Calculate that stopped.
TEST_F(MainWindowReportsTest, OpenSpecialInformationFollowsEveryCalculate) {
    Calculate();
    Find<QAbstractButton>("Command4")->click();
    const auto windows = Window().findChildren<AnyDistanceWindow*>();
    ASSERT_EQ(windows.size(), 1);
    AnyDistanceWindow& special = *windows.front();
    special.findChild<QLineEdit*>("Text1")->setText("8");
    special.findChild<QAbstractButton*>("optkm")->click();
    special.findChild<QAbstractButton*>("Option1")->click();  // "Uneven splits effect": a table
    special.findChild<QAbstractButton*>("Command1")->click();
    const auto fresh = [&] {
        ModelState copy = state_;
        SpecialFormMemory memory;
        LineBuffer lines;
        RecordingNotifier ignored;
        CalculateSpecial(copy, special.Inputs(), Window().FormInputs().HScroll2 / 1000.0, memory,
                         lines, ignored);
        return lines.Lines();
    };
    const std::vector<std::string> first = special.Canvas().Buffer().Lines();
    EXPECT_GT(first.size(), 5u);
    EXPECT_EQ(first, fresh());

    SetScrollBar("HScroll1", 35);
    Calculate();
    EXPECT_NE(special.Canvas().Buffer().Lines(), first);
    EXPECT_EQ(special.Canvas().Buffer().Lines(), fresh());

    Find<QLineEdit>("Text4_3")->setText("");
    Calculate();
    EXPECT_EQ(special.Canvas().Buffer().Lines(), std::vector<std::string>{kOutOfDateText});
    EXPECT_TRUE(special.findChild<QLabel*>("Text4")->text().isEmpty());
    special.findChild<QAbstractButton*>("Command1")->click();
    EXPECT_EQ(special.Canvas().Buffer().Lines(), std::vector<std::string>{kOutOfDateText});
}

// The analysis and graph windows, once open, follow every Calculate: the new runner after one
// that completed, the out-of-date text after one that stopped (the old curve is not shown).
TEST_F(MainWindowReportsTest, OpenAnalysisAndGraphFollowEveryCalculate) {
    Calculate();
    Find<QAbstractButton>("Command3")->click();
    Find<QAbstractButton>("Command2")->click();
    const auto analyses = Window().findChildren<AnalysisWindow*>();
    const auto graphs = Window().findChildren<GraphWindow*>();
    ASSERT_EQ(analyses.size(), 1);
    ASSERT_EQ(graphs.size(), 1);
    const auto shownAnalysis = [&] { return analyses.front()->Canvas().Buffer().Lines(); };
    const auto freshAnalysis = [&] {
        ModelState copy = state_;
        LineBuffer lines;
        RunTrainingAnalysis(copy, kAnalysisWindowTarget, lines);
        return lines.Lines();
    };
    const std::vector<std::string> first = shownAnalysis();
    EXPECT_EQ(first, freshAnalysis());

    SetScrollBar("HScroll1", 35);
    Calculate();
    EXPECT_NE(shownAnalysis(), first);
    EXPECT_EQ(shownAnalysis(), freshAnalysis());

    Find<QLineEdit>("Text4_3")->setText("");  // the 5 km row loses its number: the run stops
    Calculate();
    const std::vector<std::string> outOfDate{kOutOfDateText};
    EXPECT_EQ(shownAnalysis(), outOfDate);
    const std::vector<CanvasItem>& drawn = graphs.front()->View().Drawing().Items();
    ASSERT_EQ(drawn.size(), 1u);
    ASSERT_TRUE(std::holds_alternative<CanvasText>(drawn.front()));
    EXPECT_EQ(std::get<CanvasText>(drawn.front()).text, kOutOfDateText);
    // Asking again while the fit is out of date says so too.
    Find<QAbstractButton>("Command3")->click();
    EXPECT_EQ(shownAnalysis(), outOfDate);
}

// The power and energy table follows the weight bar while it is open.
TEST_F(MainWindowReportsTest, OpenPowerTableFollowsTheWeight) {
    Find<QAction>("power")->trigger();
    const auto windows = Window().findChildren<PowerWindow*>();
    ASSERT_EQ(windows.size(), 1);
    SetScrollBar("wtscrl", 120);
    LineBuffer fresh;
    ShowPowerTable(state_.weightKg, PaceUnit::Mile, fresh);
    EXPECT_NEAR(state_.weightKg, 54.5, 0.05);
    EXPECT_EQ(windows.front()->Canvas().Buffer().Lines(), fresh.Lines());
}

// The open graph follows the main window: a new Calculate with other races, then another scale
// from the menu, each give exactly the drawing a fresh graph window would show.
TEST_F(MainWindowReportsTest, OpenGraphFollowsCalculateAndTheGraphOptions) {
    Calculate();
    Find<QAbstractButton>("Command2")->click();
    const auto windows = Window().findChildren<GraphWindow*>();
    ASSERT_EQ(windows.size(), 1);
    const GraphView& view = windows.front()->View();
    const auto fresh = [&] {
        ModelState copy = state_;
        Canvas drawing(kGraphWidth, kGraphHeight);
        RecordingNotifier ignored;
        EXPECT_TRUE(DrawPaceGraph(copy, Window().FormInputs().HScroll2, drawing, ignored));
        return drawing.Items();
    };
    const std::vector<CanvasItem> first = view.Drawing().Items();
    EXPECT_EQ(first, fresh());
    Find<QLineEdit>("Text2_1")->setText("20");  // a slower second race
    Calculate();
    EXPECT_NE(view.Drawing().Items(), first);
    EXPECT_EQ(view.Drawing().Items(), fresh());
    Find<QAction>("lin1")->trigger();
    EXPECT_EQ(view.Drawing().Items(), fresh());
    Find<QAction>("english")->trigger();
    EXPECT_EQ(view.Drawing().Items(), fresh());
}

// The hill paces, treadmill and performance levels windows follow every Calculate. The first two
// use no runner data and keep their tables, also after a run that stopped; an individual
// performance table is the new runner's, and out of date after a run that stopped.
TEST_F(MainWindowReportsTest, OpenTableWindowsFollowEveryCalculate) {
    Calculate();
    for (const char* item : {"hillpaces", "tread", "performance"}) {
        Find<QAction>(item)->trigger();
    }
    auto* tables = Window().findChild<PerformanceTablesWindow*>();
    ASSERT_NE(tables, nullptr);
    tables->findChild<QAbstractButton*>("opage")->click();
    tables->findChild<QAbstractButton*>("Command1")->click();
    const auto shown = [](auto* window) { return window->Canvas().Buffer().Lines(); };
    auto* slopes = Window().findChild<SlopeWindow*>();
    auto* treadmill = Window().findChild<TreadmillWindow*>();
    auto* levels = Window().findChild<PerformanceLevelsWindow*>();
    const std::vector<std::string> slopeLines = shown(slopes);
    const std::vector<std::string> treadmillLines = shown(treadmill);
    const std::vector<std::string> first = shown(levels);
    SetScrollBar("HScroll1", 35);
    Calculate();
    ModelState copy = state_;
    LineBuffer fresh;
    WritePerformanceTable(
        *GeneratePerformanceTable(copy, tables->Request(), Window().FormInputs(), notifier_),
        fresh);
    EXPECT_NE(shown(levels), first);
    EXPECT_EQ(shown(levels), fresh.Lines());

    Find<QLineEdit>("Text4_3")->setText("");  // the run stops
    Calculate();
    EXPECT_EQ(shown(levels), std::vector<std::string>{kOutOfDateText});
    tables->findChild<QAbstractButton*>("Command1")->click();  // asked again: out of date too
    EXPECT_EQ(shown(levels), std::vector<std::string>{kOutOfDateText});
    EXPECT_EQ(shown(slopes), slopeLines);
    EXPECT_EQ(shown(treadmill), treadmillLines);
}

TEST_F(MainWindowReportsTest, DataFileAccessPutsSelectedRacesIntoTheRaceRows) {
    Find<QAction>("datafiles")->trigger();
    Find<QAction>("datafiles")->trigger();
    const auto windows = Window().findChildren<FileAccessWindow*>();
    ASSERT_EQ(windows.size(), 1);
    FileAccessWindow& files = *windows.front();
    files.findChild<QLineEdit*>("Text6")->setText("runs");
    files.findChild<QAbstractButton*>("Command2")->click();
    files.findChild<QLineEdit*>("Text3")->setText("18.7");
    files.findChild<QLineEdit*>("Text4")->setText("1");
    files.findChild<QAbstractButton*>("Option1")->click();
    files.findChild<QAbstractButton*>("Command1")->click();
    files.findChild<QListWidget*>("List1")->setCurrentRow(0);
    files.findChild<QAbstractButton*>("Command5")->click();
    EXPECT_EQ(Find<QLineEdit>("Text3_0")->text(), "18.7");
    EXPECT_EQ(Find<QLineEdit>("Text4_0")->text(), "1");
    EXPECT_TRUE(Find<QAbstractButton>("Option1_0")->isChecked());
    EXPECT_EQ(Window().FormInputs().rows[1], MainFormInputs{}.rows[1]);
    EXPECT_TRUE(notifier_.Messages().empty());
}

TEST_F(MainWindowReportsTest, TextFileOfTheFullReportIsSavedInTheCurrentDirectory) {
    Calculate();
    Find<QAction>("tfile")->trigger();
    QFile report(directory_.filePath(QStringLiteral("fulltext.txt")));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        report.readLine().startsWith("KESTROVA full report on Joe Runner (35 year old male):"));
    ASSERT_EQ(notifier_.Messages().size(), 1u);
    EXPECT_EQ(
        notifier_.Messages().front().text,
        "Analysis saved in " + QDir(directory_.path()).filePath("fulltext.txt").toStdString());
}

TEST_F(MainWindowReportsTest, FullReportAsksForAPrinterAndPrintsNothingWhenCancelled) {
    Calculate();
    Find<QAction>("pfull")->trigger();
    EXPECT_EQ(dialogs_.printerAsks, 1);
    EXPECT_TRUE(notifier_.Messages().empty());
}

// After a Calculate that stopped, neither report is made from the older runner's curve.
TEST_F(MainWindowReportsTest, ReportsAreRefusedAfterACalculateThatStopped) {
    Calculate();
    Find<QLineEdit>("Text4_3")->setText("");
    Calculate();
    notifier_.Clear();
    Find<QAction>("pfull")->trigger();
    Find<QAction>("tfile")->trigger();
    EXPECT_EQ(dialogs_.printerAsks, 0);
    EXPECT_FALSE(QFile::exists(directory_.filePath(QStringLiteral("fulltext.txt"))));
    ASSERT_EQ(notifier_.Messages().size(), 2u);
    EXPECT_EQ(notifier_.Messages().back().text, kReportOutOfDateMessage);
}

// The tables window switches the program's sex while it is open; closing it recalculates from
// the main window, which brings the runner's sex back and counts as a calculation.
TEST_F(MainWindowReportsTest, PerformanceTablesOpenFromTheMenuAndRecalculateWhenClosed) {
    Find<QAction>("performance")->trigger();
    Find<QAction>("performance")->trigger();
    const auto windows = Window().findChildren<PerformanceTablesWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    windows.front()->findChild<QAbstractButton*>("Option2")->click();
    EXPECT_EQ(state_.sex, "f");
    EXPECT_EQ(state_.calculated, 0);
    windows.front()->close();
    EXPECT_EQ(state_.sex, "m");
    EXPECT_EQ(state_.calculated, 1);
    EXPECT_FALSE(Find<TextCanvas>("Picture1")->Buffer().Lines().empty());
}

// The secondary windows the main window has open, by their names.
std::vector<QWidget*> OpenSecondaryWindows(QWidget& main) {
    std::vector<QWidget*> open;
    for (QWidget* widget : main.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (widget->isWindow() && widget->isVisible()) {
            open.push_back(widget);
        }
    }
    return open;
}

// Closing the main window with its frame writes the settings and leaves every other window open;
// the program ends when the last one closes.
TEST_F(MainWindowReportsTest, FrameCloseLeavesTheOtherWindowsOpen) {
    int lifetimeEnds = 0;
    const ProgramLifetime lifetime([&lifetimeEnds] { ++lifetimeEnds; });
    EXPECT_FALSE(
        QApplication::quitOnLastWindowClosed());  // Qt's rule would end it with the main window
    Window().show();
    Calculate();
    Find<QAbstractButton>("Command3")->click();
    for (const char* item : {"hillpaces", "tread", "power", "performance", "datafiles"}) {
        Find<QAction>(item)->trigger();
    }
    Find<QAbstractButton>("Command2")->click();
    const std::vector<QWidget*> opened = OpenSecondaryWindows(Window());
    ASSERT_GE(opened.size(), 7u);
    Window().close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(OpenSecondaryWindows(Window()), opened);
    EXPECT_EQ(programEnds_, 0);
    EXPECT_EQ(lifetimeEnds, 0);
    for (std::size_t i = 0; i < opened.size(); ++i) {
        EXPECT_EQ(lifetimeEnds, 0);
        opened[i]->close();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(lifetimeEnds, 1);
}

std::vector<QWidget*> MainWindowReportsTest::OpenEverySecondaryWindow() {
    for (const char* button : {"Command2", "Command3", "Command4"}) {  // Graph, Analyze, Special
        Find<QAbstractButton>(button)->click();
    }
    for (const char* item : {"hillpaces", "tread", "power", "performance", "datafiles", "proghelp",
                             "refs", "about", "ppinfo"}) {
        Find<QAction>(item)->trigger();
    }
    return OpenSecondaryWindows(Window());
}

// In every window as it opens, the controls lie inside the window and none covers another (the
// graph's buttons stand under its drawing, not on it).
void MainWindowReportsTest::ExpectControlsInsideTheirWindows() {
    Window().show();
    Calculate();
    std::vector<QWidget*> windows = OpenEverySecondaryWindow();
    windows.push_back(&Window());
    QCoreApplication::processEvents();
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        std::vector<QWidget*> controls;
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && !child->isWindow()) {
                controls.push_back(child);
            }
        }
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const QRect place = controls[i]->geometry();
            EXPECT_TRUE(window->rect().contains(place)) << controls[i]->objectName().toStdString();
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(place.intersects(controls[j]->geometry()))
                    << controls[i]->objectName().toStdString() << " and "
                    << controls[j]->objectName().toStdString();
            }
        }
    }
}

TEST_F(MainWindowReportsTest, NoWindowHasOverlappingControls) {
    ExpectControlsInsideTheirWindows();
}

// The windows do not depend on the desktop's font: a desktop font much wider than the program's
// (a fixed-pitch one, as a bare system without sans-serif fonts resolves "sans-serif" to, or a
// wide sans-serif at a larger size) changes nothing of the above once the program has started.
TEST_F(MainWindowReportsTest, WideDesktopFontKeepsControlsInsideTheirWindows) {
    const QFont before = QApplication::font();
    for (const char* family : {"Liberation Mono", "DejaVu Sans"}) {
        SCOPED_TRACE(family);
        QFont desktop(QString::fromLatin1(family));
        desktop.setPointSizeF(before.pointSizeF() * 1.25);
        QApplication::setFont(desktop);
        UseProgramFont();  // as the program's start does
        ExpectControlsInsideTheirWindows();
        window_.reset();
    }
    QApplication::setFont(before);
}

// Escape closes every secondary window, whichever way it was opened.
TEST_F(MainWindowReportsTest, EscapeClosesEverySecondaryWindow) {
    Window().show();
    Calculate();
    const std::vector<QWidget*> opened = OpenEverySecondaryWindow();
    ASSERT_GE(opened.size(), 12u);
    for (QWidget* window : opened) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_TRUE(Window().isVisible());
}

}  // namespace
}  // namespace kestrova
