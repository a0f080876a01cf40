#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QTimer>

#include "app/analysis_window.hpp"
#include "app/graph_window.hpp"
#include "app/text_canvas.hpp"
#include "main_window_fixture.hpp"

namespace kestrova {
namespace {

class MainWindowReportsTest : public MainWindowTest {
  protected:
    void Calculate() { Find<QAbstractButton>("Command1")->click(); }
};

TEST_F(MainWindowReportsTest, AnalyzeOpensOneAnalysisWindowWithTheAnalysis) {
    Calculate();
    Find<QAbstractButton>("Command3")->click();
    Find<QAbstractButton>("Command3")->click();
    const auto windows = Window().findChildren<AnalysisWindow*>();
    ASSERT_EQ(windows.size(), 1);
    AnalysisWindow& analysis = *windows.front();
    EXPECT_TRUE(analysis.isWindow());
    EXPECT_EQ(analysis.windowTitle(), "Analysis");
    const std::vector<std::string>& lines = analysis.Canvas().Buffer().Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), " TRAINING AND SPECIALIZATION ANALYSIS:");
}

TEST_F(MainWindowReportsTest, GraphDrawsOverOneGraphWindowInTheChosenScale) {
    Calculate();
    Find<QAction>("lin2")->trigger();
    Find<QAbstractButton>("Command2")->click();
    const auto windows = Window().findChildren<GraphWindow*>();
    ASSERT_EQ(windows.size(), 1);
    const std::size_t once = windows.front()->View().Drawing().Items().size();
    EXPECT_EQ(state_.graphScale, 2);
    EXPECT_NEAR(state_.curDist, 3400, 1e-9);  // the last point of the 400 m - 3200 m scale
    Find<QAbstractButton>("Command2")->click();
    ASSERT_EQ(Window().findChildren<GraphWindow*>().size(), 1);
    EXPECT_EQ(windows.front()->View().Drawing().Items().size(), 2 * once);
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
    bool askedForPrinter = false;
    QTimer::singleShot(0, [&askedForPrinter] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            askedForPrinter = true;
            dialog->reject();
        }
    });
    Find<QAction>("pfull")->trigger();
    EXPECT_TRUE(askedForPrinter);
    EXPECT_TRUE(notifier_.Messages().empty());
}

}  // namespace
}  // namespace kestrova
