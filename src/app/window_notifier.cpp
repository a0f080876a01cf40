#include "app/window_notifier.hpp"

namespace kestrova {

bool WindowNotifier::OverWindow(const std::function<bool(WindowMessages*)>& box) {
    const QPointer<QWidget> focus = window_ != nullptr ? window_->focusWidget() : nullptr;
    auto* over = dynamic_cast<WindowMessages*>(&program_);
    const bool answer = box(over);
    // The box's closing may leave another window in front (the one the box's parent would have
    // been, or whichever the window manager picks): the window that asked comes back.
    if (window_ != nullptr && window_->isVisible()) {
        window_->raise();
        window_->activateWindow();
        if (focus != nullptr && focus->window() == window_ && focus->isEnabled()) {
            focus->setFocus(Qt::OtherFocusReason);
        }
    }
    return answer;
}

void WindowNotifier::Show(const Message& message) {
    OverWindow([&](WindowMessages* over) {
        if (over != nullptr) {
            over->ShowOver(window_.data(), message);
        } else {
            program_.Show(message);
        }
        return true;
    });
}

bool WindowNotifier::Ask(const Question& question) {
    return OverWindow([&](WindowMessages* over) {
        return over != nullptr ? over->AskOver(window_.data(), question) : program_.Ask(question);
    });
}

}  // namespace kestrova
