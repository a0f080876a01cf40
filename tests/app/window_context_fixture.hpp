#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "app/session_signals.hpp"
#include "app/window_context.hpp"
#include "model/notifier.hpp"
#include "recording_dialogs.hpp"
#include "session/runner_inputs.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova::test_support {

// A secondary window's context without a main window: a plain owner widget, a recording
// notifier, inputs the test sets, and a record of what the window asked of the main window.
class TestWindowContext {
  public:
    explicit TestWindowContext(MainFormInputs form = {}) : form_(std::move(form)) {
        session_.Begin(form_);
        state_ = CalculatedState(form_);
    }

    WindowContext Context(bool withOwner = true) {
        return WindowContext{
            state_,
            notifier_,
            withOwner ? owner_.get() : nullptr,
            [this] { return form_; },
            [this] {
                ++reruns_;
                Calculate();
            },
            [this](int row, const RaceRowInputs& contents) {
                rowsSet_.emplace_back(row, contents);
                form_.rows.at(static_cast<std::size_t>(row)) = contents;
            },
            copiedRows_,
            &changes_,
            &dialogs_,
            &session_,
            [this](const MainFormInputs& runner) { TakeRunner(form_, runner); },
            imageModule_,
        };
    }

    // "Calculate" on the form as the main window's button runs it: the session's state and its
    // change, which open windows follow.
    void Calculate() {
        LineBuffer picture;
        RecordingNotifier ignored;
        session_.Calculate(form_, picture, ignored);
    }
    Session& TheSession() { return session_; }

    MainFormInputs& Form() { return form_; }
    ModelState& State() { return state_; }
    RecordingWindowNotifier& Notifier() { return notifier_; }
    RecordingDialogs& Dialogs() { return dialogs_; }
    QWidget* Owner() { return owner_.get(); }
    int Reruns() const { return reruns_; }
    const std::vector<std::pair<int, RaceRowInputs>>& RowsSet() const { return rowsSet_; }
    // Deletes the owner and with it every window it owns.
    void DropOwner() { owner_.reset(); }

  private:
    MainFormInputs form_;
    Session session_{"kestini.txt"};
    ModelState& state_ = session_.State();
    SessionSignals changes_{session_};
    RecordingWindowNotifier notifier_;
    RecordingDialogs dialogs_;
    std::unique_ptr<QWidget> owner_ = std::make_unique<QWidget>();
    CopiedRaceRows copiedRows_;
    std::filesystem::path imageModule_ = KESTROVA_TEST_IMAGE_MODULE;
    int reruns_ = 0;
    std::vector<std::pair<int, RaceRowInputs>> rowsSet_;
};

// Deletes the windows closed so far: Qt deletes a closed window from its event loop.
inline void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A test of secondary windows opened in their own context; they go with its owner.
class WindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        context_.DropOwner();
        DeleteClosedWindows();
    }

    TestWindowContext context_;
};

}  // namespace kestrova::test_support
