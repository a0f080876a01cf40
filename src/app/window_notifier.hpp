#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "model/notifier.hpp"

namespace kestrova {

// Messages and questions shown over a given window. The program's message boxes take the window
// as their parent; tests record it.
class WindowMessages {
  public:
    virtual ~WindowMessages() = default;
    virtual void ShowOver(QWidget* window, const Message& message) = 0;
    virtual bool AskOver(QWidget* window, const Question& question) = 0;
};

// The notifier of one secondary window: its messages and questions go to the program's notifier,
// over this window when that notifier can place them, so they belong to the window that raised
// them. Once answered, the window is in front and active again with the focus in the control
// that had it.
class WindowNotifier : public Notifier {
  public:
    WindowNotifier(QWidget& window, Notifier& program) : window_(&window), program_(program) {}

    using Notifier::Show;
    void Show(const Message& message) override;
    bool Ask(const Question& question) override;
    // The program's notifier, for a window this one opens that may outlive it.
    Notifier& Program() { return program_; }

  private:
    // Runs `box` (which shows the box and gives the answer) and brings the window back to the
    // front afterwards.
    bool OverWindow(const std::function<bool(WindowMessages*)>& box);

    QPointer<QWidget> window_;
    Notifier& program_;
};

// The program's notifier behind `notifier` (itself when it is no window's own): for a window that
// may outlive the window whose context it was opened with.
inline Notifier& ProgramNotifier(Notifier& notifier) {
    auto* own = dynamic_cast<WindowNotifier*>(&notifier);
    return own != nullptr ? own->Program() : notifier;
}

}  // namespace kestrova
