#include "app/analysis_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "analyses/training_analysis.hpp"
#include "app/text_canvas.hpp"
#include "report_window_fixture.hpp"

namespace kestrova {
namespace {

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<std::string> WindowLines(ModelState state) {
    LineBuffer sink;
    RunTrainingAnalysis(state, kAnalysisWindowTarget, sink);
    return sink.Lines();
}

class AnalysisWindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        owner_.reset();
        DeleteClosedWindows();
    }

    MainFormInputs form_;
    ModelState state_ = test_support::CalculatedState(form_);
    std::unique_ptr<QWidget> owner_ = std::make_unique<QWidget>();
};

TEST_F(AnalysisWindowTest, ShowsTheAnalysisWithCloseAndADisabledHelp) {
    const std::vector<std::string> expected = WindowLines(state_);
    AnalysisWindow* window = ShowAnalysisWindow(state_, owner_.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "anaform");
    EXPECT_EQ(window->windowTitle(), "Analysis");
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Canvas().Buffer().Lines(), expected);
    EXPECT_EQ(window->Canvas().toPlainText().toStdString().substr(0, 38),
              " TRAINING AND SPECIALIZATION ANALYSIS:");

    auto* close = window->findChild<QPushButton*>("Command3");
    auto* help = window->findChild<QPushButton*>("Command2");
    ASSERT_NE(close, nullptr);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(close->text(), "Close");
    EXPECT_EQ(help->text(), "Help");
    EXPECT_FALSE(help->isEnabled());
    EXPECT_TRUE(close->isEnabled());
    EXPECT_EQ(window->findChildren<QPushButton*>().size(), 2);  // no "Print" on this window
}

TEST_F(AnalysisWindowTest, OneWindowClearedAndRewrittenOnEveryAnalyze) {
    AnalysisWindow* first = ShowAnalysisWindow(state_, owner_.get());
    const auto lines = first->Canvas().Buffer().Lines();
    SetWeeklyVolume(form_, 80);
    state_ = test_support::CalculatedState(form_);
    AnalysisWindow* second = ShowAnalysisWindow(state_, owner_.get());
    EXPECT_EQ(second, first);
    EXPECT_EQ(owner_->findChildren<AnalysisWindow*>().size(), 1);
    EXPECT_EQ(second->Canvas().Buffer().Lines().size(), lines.size());
    EXPECT_EQ(second->Canvas().Buffer().Lines(), WindowLines(state_));
    EXPECT_NE(second->Canvas().Buffer().Lines(), lines);
}

TEST_F(AnalysisWindowTest, CloseDeletesTheWindowAndAnalyzeOpensANewOne) {
    QPointer<AnalysisWindow> window = ShowAnalysisWindow(state_, owner_.get());
    window->findChild<QPushButton*>("Command3")->click();
    EXPECT_FALSE(window->isVisible());
    // Asked again before the closed window is gone: a new window, not the closing one.
    AnalysisWindow* reopened = ShowAnalysisWindow(state_, owner_.get());
    EXPECT_NE(reopened, window.data());
    DeleteClosedWindows();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ShowAnalysisWindow(state_, owner_.get()), reopened);
}

TEST_F(AnalysisWindowTest, WithoutAnOwnerStillOneWindow) {
    QPointer<AnalysisWindow> window = ShowAnalysisWindow(state_, nullptr);
    EXPECT_EQ(ShowAnalysisWindow(state_, nullptr), window.data());
    window->close();
    DeleteClosedWindows();
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace kestrova
