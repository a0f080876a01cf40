#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QTimer>

#include "app/analysis_window.hpp"
#include "app/file_access_window.hpp"
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
