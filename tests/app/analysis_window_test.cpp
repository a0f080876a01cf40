#include "app/analysis_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "analyses/training_analysis.hpp"
#include "app/text_canvas.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

std::vector<std::string> WindowLines(ModelState state) {
    LineBuffer sink;
    RunTrainingAnalysis(state, kAnalysisWindowTarget, sink);
    return sink.Lines();
}

class AnalysisWindowTest : public test_support::WindowTest {
  protected:
    ModelState& state_ = context_.State();
};

TEST_F(AnalysisWindowTest, ShowsTheAnalysisWithCloseAndHelp) {
    const std::vector<std::string> expected = WindowLines(state_);
    AnalysisWindow* window = ShowAnalysisWindow(context_.Context());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Canvas().Buffer().Lines(), expected);

    auto* close = window->findChild<QPushButton*>("Command3");
    auto* help = window->findChild<QPushButton*>("Command2");
    ASSERT_NE(close, nullptr);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isEnabled());
    EXPECT_TRUE(close->isEnabled());
    EXPECT_EQ(window->findChildren<QPushButton*>().size(), 2);  // no "Print" on this window
}

TEST_F(AnalysisWindowTest, OneWindowClearedAndRewrittenOnEveryAnalyze) {
    AnalysisWindow* first = ShowAnalysisWindow(context_.Context());
    const auto lines = first->Canvas().Buffer().Lines();
    SetWeeklyVolume(context_.Form(), 80);
    state_ = test_support::CalculatedState(context_.Form());
    AnalysisWindow* second = ShowAnalysisWindow(context_.Context());
    EXPECT_EQ(second, first);
    EXPECT_EQ(context_.Owner()->findChildren<AnalysisWindow*>().size(), 1);
    EXPECT_EQ(second->Canvas().Buffer().Lines().size(), lines.size());
    EXPECT_EQ(second->Canvas().Buffer().Lines(), WindowLines(state_));
    EXPECT_NE(second->Canvas().Buffer().Lines(), lines);
}

TEST_F(AnalysisWindowTest, CloseDeletesTheWindowAndAnalyzeOpensANewOne) {
    QPointer<AnalysisWindow> window = ShowAnalysisWindow(context_.Context());
    window->findChild<QPushButton*>("Command3")->click();
    EXPECT_FALSE(window->isVisible());
    // Asked again before the closed window is gone: a new window, not the closing one.
    AnalysisWindow* reopened = ShowAnalysisWindow(context_.Context());
    EXPECT_NE(reopened, window.data());
    test_support::DeleteClosedWindows();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ShowAnalysisWindow(context_.Context()), reopened);
}

TEST_F(AnalysisWindowTest, WithoutAnOwnerStillOneWindow) {
    QPointer<AnalysisWindow> window = ShowAnalysisWindow(context_.Context(false));
    EXPECT_EQ(ShowAnalysisWindow(context_.Context(false)), window.data());
    window->close();
    test_support::DeleteClosedWindows();
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace kestrova
