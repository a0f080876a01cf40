#include "app/file_access_window.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "files/race_list.hpp"
#include "support/scratch_directory.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

class FileAccessWindowTest : public test_support::WindowTest {
  protected:
    void SetUp() override { previousDirectory_ = QDir::currentPath(); }
    void TearDown() override {
        WindowTest::TearDown();
        QDir::setCurrent(previousDirectory_);
    }

    FileAccessWindow& Open() {
        window_ = OpenFileAccessWindow(context_.Context());
        return *window_;
    }
    template <typename T>
    T* Find(const char* name) {
        T* control = window_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Click(const char* button) { Find<QPushButton>(button)->click(); }
    void Type(const char* box, const QString& text) { Find<QLineEdit>(box)->setText(text); }
    // Browses to `name` in the scratch directory and opens it with "Open New".
    void CreateFile(const QString& name) {
        chosen_ = directory_.path() + "/" + name;
        Click("browse");
        Click("Command2");
    }
    void AddRace(const char* seconds, int unit) {
        Type("Text2", "2");
        Type("Text3", seconds);
        Type("Text4", "800");
        Find<QRadioButton>(("Option" + std::to_string(unit + 1)).c_str())->setChecked(true);
        Click("Command1");
    }
    QStringList ListLines() {
        QStringList lines;
        QListWidget* list = Find<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i) {
            lines.append(list->item(i)->text());
        }
        return lines;
    }

    QTemporaryDir directory_;
    QString previousDirectory_;
    QString& chosen_ = context_.Dialogs().openAnswer;  // what Browse is answered
    QPointer<FileAccessWindow> window_;
};

// Until a file is open only the file buttons work; the list's columns sit under its heading.
TEST_F(FileAccessWindowTest, StartsWithNoFileAndFitsTheScreen) {
    Open();
    for (const char* button : {"Command5", "Command7", "Command1"}) {
        EXPECT_FALSE(Find<QPushButton>(button)->isEnabled()) << button;
    }
    EXPECT_FALSE(Find<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(Find<QLabel>("Label1")->text().toStdString(), kRaceListHeading);
    EXPECT_TRUE(Find<QListWidget>("List1")->font().fixedPitch());
    EXPECT_LE(window_->sizeHint().width(), 1366);
    EXPECT_LE(window_->sizeHint().height(), 700);
}

// Each box and unit button of the entry row stands under its own word of the heading above it,
// nearer to it than to any other word.
TEST_F(FileAccessWindowTest, EntryControlsStandUnderTheirHeadingWords) {
    Open();
    window_->show();
    QLabel* heading = Find<QLabel>("Label2");
    const QString text = heading->text();
    const QFontMetricsF metrics(heading->font());
    const int textLeft = heading->mapTo(window_, heading->contentsRect().topLeft()).x();
    std::vector<double> wordStarts;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != ' ' && (i == 0 || text[i - 1] == ' ')) {
            wordStarts.push_back(textLeft + metrics.horizontalAdvance(text.left(i)));
        }
    }
    const char* controls[] = {"Text1",   "Text2",   "Text3",   "Text4",   "Option1",
                              "Option2", "Option3", "Option4", "Option5", "Option6"};
    ASSERT_GT(wordStarts.size(), std::size(controls));
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const double left = Find<QWidget>(controls[i])->mapTo(window_, QPoint(0, 0)).x();
        const auto nearest = std::min_element(
            wordStarts.begin(), wordStarts.end(),
            [left](double a, double b) { return std::abs(a - left) < std::abs(b - left); });
        EXPECT_EQ(nearest - wordStarts.begin(), static_cast<long>(i)) << controls[i];
    }
}

TEST_F(FileAccessWindowTest, BrowseCreateAddAndList) {
    Open();
    CreateFile("runs");
    EXPECT_EQ(QDir::currentPath(), previousDirectory_);
    EXPECT_EQ(Find<QLineEdit>("Text6")->text(), QDir::toNativeSeparators(chosen_));
    EXPECT_TRUE(Find<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(Find<QLineEdit>("Text9")->text(), "1");
    Type("Text5", "Pärnu");
    AddRace("18.7", 3);
    EXPECT_EQ(test_support::FileBytes((directory_.path() + "/runs.kst").toStdString()).size(), 84u);
    EXPECT_EQ(Find<QLineEdit>("Text9")->text(), "2");
    ASSERT_EQ(ListLines().size(), 1);
    EXPECT_EQ(ListLines()[0].toStdString(),
              "    1   0    2   18.7     800               X          Pärnu          ");
    EXPECT_TRUE(context_.Notifier().Messages().empty());

    // Changing the file name closes the file.
    Type("Text6", "other");
    EXPECT_FALSE(Find<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(Find<QPushButton>("Command1")->isEnabled());
}

TEST_F(FileAccessWindowTest, SelectedRacesGoIntoTheMainWindowsRowsAtOnce) {
    Open();
    CreateFile("runs.kst");
    AddRace("18.7", 3);
    AddRace("5", 0);
    Find<QListWidget>("List1")->setCurrentRow(1);
    EXPECT_TRUE(Find<QPushButton>("Command5")->isEnabled());
    Click("Command5");
    ASSERT_EQ(context_.RowsSet().size(), 1u);
    const auto& [row, contents] = context_.RowsSet().front();
    EXPECT_EQ(row, 0);
    EXPECT_EQ(contents.Text3, "5");
    EXPECT_EQ(contents.Check1, 1);
    EXPECT_EQ(contents.SelectedUnit(), DistanceUnit::Miles);
    EXPECT_EQ(ListLines()[1].left(2), " 1");
    EXPECT_TRUE(Find<QPushButton>("Command7")->isEnabled());

    Click("Command7");
    ASSERT_EQ(context_.RowsSet().size(), 2u);
    EXPECT_EQ(context_.RowsSet()[1].first, 0);
    EXPECT_EQ(context_.RowsSet()[1].second.Check1, 0);
    EXPECT_EQ(ListLines()[1].left(2), "  ");
}

// The main window's row 1 holds a race the user typed: Select asks first, and Cancel leaves it.
TEST_F(FileAccessWindowTest, SelectAsksBeforeReplacingATypedRaceInTheMainWindow) {
    context_.Form().rows[0].Text1 = "1";
    Open();
    CreateFile("runs.kst");
    AddRace("18.7", 3);
    Find<QListWidget>("List1")->setCurrentRow(0);
    Click("Command5");
    ASSERT_EQ(context_.Notifier().Questions().size(), 1u);
    EXPECT_EQ(context_.Notifier().Questions()[0].text,
              "Row 1 holds 400 m in 1:00:58. Replace it with race 1?");
    EXPECT_TRUE(context_.RowsSet().empty());
    EXPECT_FALSE(Find<QPushButton>("Command7")->isEnabled());
    context_.Notifier().AnswerWith(true);
    Click("Command5");
    EXPECT_EQ(context_.Form().rows[0].Text3, "18.7");
    EXPECT_EQ(ListLines()[0].left(2), " 1");
}

TEST_F(FileAccessWindowTest, ClosingKeepsTheFileOpenAndItsList) {
    Open();
    CreateFile("runs");
    AddRace("18.7", 3);
    Click("Command3");
    test_support::DeleteClosedWindows();
    EXPECT_TRUE(window_.isNull());
    Open();
    EXPECT_TRUE(Find<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(Find<QPushButton>("Command1")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("Text9")->text(), "2");
    EXPECT_EQ(ListLines().size(), 1);
    EXPECT_EQ(Find<QLineEdit>("Text6")->text(), QDir::toNativeSeparators(chosen_));
    EXPECT_EQ(OpenFileAccessWindow(context_.Context()), window_.data());
    // The session keeps them, not the window's owner.
    EXPECT_TRUE(context_.TheSession().raceFile.fileOpen);
    EXPECT_EQ(context_.TheSession().raceFileName, QDir::toNativeSeparators(chosen_).toStdString());
}

TEST_F(FileAccessWindowTest, RefusalsAreMessagesAndACancelledBrowseChangesNothing) {
    Open();
    Type("Text6", directory_.path() + "/none.kst");
    chosen_.clear();
    Click("browse");
    EXPECT_EQ(Find<QLineEdit>("Text6")->text(), directory_.path() + "/none.kst");
    Click("Command4");
    ASSERT_EQ(context_.Notifier().Messages().size(), 1u);
    EXPECT_EQ(
        context_.Notifier().Messages()[0].text,
        "The file \"" + (directory_.path() + "/none.kst").toStdString() + "\" does not exist.");
    EXPECT_FALSE(Find<QCheckBox>("Check1")->isChecked());
}

}  // namespace
}  // namespace kestrova
