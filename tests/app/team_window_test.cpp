#include <gtest/gtest.h>

#include <fstream>

#include <QApplication>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include "app/team_window.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

class TeamWindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        context_.DropOwner();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens a team file through "Open team file…" and waits for its table.
    TeamWindow* OpenTeam(const std::string& text) {
        const QString path = directory_.filePath(QStringLiteral("team.csv"));
        std::ofstream(path.toStdString(), std::ios::binary) << text;
        context_.Dialogs().openAnswer = path;
        TeamWindow* window = OpenTeamFile(context_.Context());
        QSignalSpy loaded(window, &TeamWindow::loaded);
        EXPECT_TRUE(loaded.wait(10000));
        return window;
    }
    static QString Cell(TeamWindow* window, int row, int column) {
        const QAbstractItemModel* model = window->Table().model();
        return model->data(model->index(row, column)).toString();
    }
    // A double-click on the row's name, as the view reports it.
    static void DoubleClick(TeamWindow* window, int row) {
        QTableView& table = window->Table();
        emit table.doubleClicked(table.model()->index(row, 0));
    }

    QTemporaryDir directory_;
    test_support::TestWindowContext context_;
};

// The table in the file's order, a refused runner's message in the error column; sorting by the
// best distance is numeric (9.38 before 11.06); a double-click puts the runner into the main
// window's inputs, asking first once the main window holds a race the user typed.
TEST_F(TeamWindowTest, SortsNumericallyAndPutsADoubleClickedRunnerIntoTheMainWindow) {
    TeamWindow* window = OpenTeam(
        "name,sex,age,weekly_km,weight_kg,5km,10km,hmara,mara,fit,level,age_graded\n"
        "Ann Runner,f,42,60,58,20:15,42:30,1:34:10,,all,95,yes\n"
        "Bob Miler,m,35,48,72.7,18:07,39:52,,,,100,\n"
        "Eve Slip,x,30,,,20:00,,,,,,\n"
        "Dan Steady,m,58,80,70,,41:05,1:31:00,3:15:30,all,90,1\n");
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->Table().model()->rowCount(), 4);
    const int columns = window->Table().model()->columnCount();
    EXPECT_EQ(Cell(window, 0, 0), "Ann Runner");
    EXPECT_EQ(Cell(window, 1, 1), "18:07");
    EXPECT_EQ(Cell(window, 2, columns - 1), "sex takes m or f, not 'x'");

    window->Table().sortByColumn(columns - 2, Qt::AscendingOrder);  // best km
    const std::vector<QString> sorted = {Cell(window, 0, 0), Cell(window, 1, 0), Cell(window, 2, 0),
                                         Cell(window, 3, 0)};
    EXPECT_EQ(sorted, (std::vector<QString>{"Bob Miler", "Ann Runner", "Dan Steady", "Eve Slip"}));

    DoubleClick(window, 0);
    const MainFormInputs& form = context_.Form();
    EXPECT_TRUE(context_.Notifier().Questions().empty());
    EXPECT_EQ(form.txtname, "Bob Miler");
    EXPECT_EQ(form.txtage, "35");
    EXPECT_EQ(form.HScroll1, 30);  // 48 km a week
    EXPECT_EQ(form.rows[1].Text2, "39");
    EXPECT_EQ(form.rows[2].Check1, 0);

    context_.Form().rows[0].Text2 = "17";  // typed over the copied race
    DoubleClick(window, 1);
    ASSERT_EQ(context_.Notifier().Questions().size(), 1u);
    EXPECT_EQ(form.txtname, "Bob Miler");
    context_.Notifier().AnswerWith(true);
    DoubleClick(window, 1);
    EXPECT_EQ(context_.Notifier().Questions().size(), 2u);
    EXPECT_EQ(context_.Notifier().windows.back(), "teamwindow");
    EXPECT_EQ(form.txtname, "Ann Runner");
    EXPECT_TRUE(form.optfemale);
    EXPECT_EQ(form.agecomp, 1);
}

}  // namespace
}  // namespace kestrova
