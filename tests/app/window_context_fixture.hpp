#pragma once

#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "app/window_context.hpp"
#include "model/notifier.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova::test_support {

// A secondary window's context without a main window: a plain owner widget, a recording
// notifier, inputs the test sets, and a record of what the window asked of the main window.
class TestWindowContext {
  public:
    explicit TestWindowContext(MainFormInputs form = {})
        : form_(std::move(form)), state_(CalculatedState(form_)) {}

    WindowContext Context(bool withOwner = true) {
        return WindowContext{
            state_,
            notifier_,
            withOwner ? owner_.get() : nullptr,
            [this] { return form_; },
            [this] {
                ++reruns_;
                state_ = CalculatedState(form_);
            },
            [this](int row, const RaceRowInputs& contents) {
                rowsSet_.emplace_back(row, contents);
                form_.rows.at(static_cast<std::size_t>(row)) = contents;
            },
            copiedRows_,
        };
    }

    MainFormInputs& Form() { return form_; }
    ModelState& State() { return state_; }
    RecordingNotifier& Notifier() { return notifier_; }
    QWidget* Owner() { return owner_.get(); }
    int Reruns() const { return reruns_; }
    const std::vector<std::pair<int, RaceRowInputs>>& RowsSet() const { return rowsSet_; }
    // Deletes the owner and with it every window it owns.
    void DropOwner() { owner_.reset(); }

  private:
    MainFormInputs form_;
    ModelState state_;
    RecordingNotifier notifier_;
    std::unique_ptr<QWidget> owner_ = std::make_unique<QWidget>();
    CopiedRaceRows copiedRows_;
    int reruns_ = 0;
    std::vector<std::pair<int, RaceRowInputs>> rowsSet_;
};

}  // namespace kestrova::test_support
