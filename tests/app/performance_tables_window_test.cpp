#include "app/performance_tables_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include "app/open_or_raise.hpp"
#include "app/performance_levels_window.hpp"
#include "app/text_canvas.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

class PerformanceTablesWindowTest : public test_support::WindowTest {
  protected:
    PerformanceTablesWindow& Open() {
        window_ = OpenPerformanceTablesWindow(context_.Context());
        return *window_;
    }
    template <typename T>
    T* Find(const char* name) {
        T* control = window_->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    PerformanceLevelsWindow* LevelsWindow() {
        return FindOpenWindow<PerformanceLevelsWindow>(context_.Owner());
    }

    ModelState& state_ = context_.State();
    QPointer<PerformanceTablesWindow> window_;
};

TEST_F(PerformanceTablesWindowTest, DefaultsSizeAndMaximum) {
    Open();
    const std::vector<std::pair<const char*, const char*>> boxes = {
        {"Text1", "60"}, {"Text2", "5"}, {"Text3", "100"}, {"lev", "100"}};
    for (const auto& [name, text] : boxes) {
        EXPECT_EQ(Find<QLineEdit>(name)->text(), text) << name;
    }
    // Opened with the general table chosen, and with it the main window's sex.
    EXPECT_TRUE(Find<QRadioButton>("opper")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(Find<QPushButton>("Command2")->isEnabled());  // "Help": "Effects of Age"
    EXPECT_LE(window_->width(), 1366);
    EXPECT_LE(window_->height(), 768);
    EXPECT_EQ(OpenPerformanceTablesWindow(context_.Context()), window_.data());

    // The maximum follows the minimum and the interval as they are typed.
    QLineEdit* minimum = Find<QLineEdit>("Text1");
    minimum->clear();
    minimum->insert("6");  // typed one character at a time
    EXPECT_EQ(Find<QLineEdit>("Text3")->text(), " 46");
    minimum->insert("0");
    EXPECT_EQ(Find<QLineEdit>("Text3")->text(), " 100");
    Find<QLineEdit>("Text2")->setText("2.5");
    EXPECT_EQ(Find<QLineEdit>("Text3")->text(), " 80");
}

TEST_F(PerformanceTablesWindowTest, SexOptionsFollowTheTableKind) {
    SelectFemale(context_.Form());
    Open();
    auto* male = Find<QRadioButton>("Option1");
    auto* female = Find<QRadioButton>("Option2");
    EXPECT_TRUE(female->isChecked());
    EXPECT_EQ(state_.sex, "f");
    male->click();
    EXPECT_EQ(state_.sex, "m");
    // The individual table is the runner's own: back to her sex, the other one disabled.
    Find<QRadioButton>("opage")->click();
    EXPECT_EQ(state_.sex, "f");
    EXPECT_TRUE(female->isChecked());
    EXPECT_FALSE(male->isEnabled());
    Find<QRadioButton>("oplev")->click();
    EXPECT_FALSE(male->isEnabled());
    EXPECT_TRUE(state_.timesByAgeSelected);
    Find<QRadioButton>("opper")->click();
    EXPECT_TRUE(male->isEnabled());
    EXPECT_FALSE(state_.timesByAgeSelected);
}

TEST_F(PerformanceTablesWindowTest, CalculateShowsTheTableInOneLevelsWindow) {
    Open();
    Find<QRadioButton>("oplev")->click();
    Find<QLineEdit>("lev")->setText("90");
    Find<QPushButton>("Command1")->click();
    PerformanceLevelsWindow* levels = LevelsWindow();
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels->objectName(), "perflevform");
    EXPECT_EQ(levels->windowTitle(), "Performances by Age (Male Level 90)");

    ModelState copy = state_;
    RecordingNotifier ignored;
    const auto table = GeneratePerformanceTable(copy, window_->Request(), context_.Form(), ignored);
    ASSERT_TRUE(table);
    LineBuffer expected;
    WritePerformanceTable(*table, expected);
    EXPECT_EQ(levels->Canvas().Buffer().Lines(), expected.Lines());
    // The whole table shows without scrolling, and the window fits a 1366x768 screen.
    QCoreApplication::processEvents();
    EXPECT_EQ(levels->Canvas().horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(levels->Canvas().verticalScrollBar()->maximum(), 0);
    EXPECT_LE(levels->frameGeometry().width(), 1366);
    EXPECT_LE(levels->frameGeometry().height(), 740);

    // Enter in a box is "Calculate" too; the same window shows the new table.
    Find<QRadioButton>("opper")->click();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Find<QLineEdit>("Text1"), &enter);
    EXPECT_EQ(LevelsWindow(), levels);
    EXPECT_EQ(levels->windowTitle(), "Performance Levels (Open Male)");
    EXPECT_EQ(levels->Canvas().Buffer().Lines().front().substr(0, 11), " Level (%):");
    EXPECT_TRUE(context_.Notifier().Messages().empty());

    levels->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(context_.Dialogs().printerAsks, 1);
    levels->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(LevelsWindow(), nullptr);
}

TEST_F(PerformanceTablesWindowTest, RefusedTablesOpenNoWindow) {
    Open();
    Find<QRadioButton>("opage")->click();  // no "Calculate" on the main window yet
    Find<QPushButton>("Command1")->click();
    Find<QRadioButton>("opper")->click();
    Find<QLineEdit>("Text1")->setText("0");
    Find<QPushButton>("Command1")->click();
    EXPECT_EQ(LevelsWindow(), nullptr);
    const auto& messages = context_.Notifier().Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Must calculate current performances first");
    EXPECT_EQ(messages[1].text,
              "The Minimum must be above 0: a performance level of 0 or less has no times.");
}

TEST_F(PerformanceTablesWindowTest, ClosingByAnyMeansRecalculatesOnce) {
    Open();
    Find<QRadioButton>("oplev")->click();
    Find<QPushButton>("Command3")->click();
    EXPECT_EQ(context_.Reruns(), 1);
    EXPECT_FALSE(state_.timesByAgeSelected);
    window_->close();
    EXPECT_EQ(context_.Reruns(), 1);

    Open();
    EXPECT_EQ(context_.Reruns(), 1);
    window_->close();  // the window frame's close
    EXPECT_EQ(context_.Reruns(), 2);
}

}  // namespace
}  // namespace kestrova
