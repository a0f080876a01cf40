#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "app/window_notifier.hpp"
#include "model/notifier.hpp"

class QMessageBox;

namespace kestrova {

inline constexpr const char* kProgramTitle = "Kestrova";

// Shows each message in a modal box with an OK button only and no icon, captioned with the
// message's caption or the program's title, after a beep when the message asks for one.
// The box a message is shown in, wide enough for its whole caption.
std::unique_ptr<QMessageBox> MakeMessageBox(const Message& message, QWidget* parent);

// Boxes go over the window given (a secondary window's own), else over the parent set here (the
// main window).
class MessageBoxNotifier : public Notifier, public WindowMessages {
  public:
    explicit MessageBoxNotifier(QWidget* parent = nullptr) : parent_(parent) {}
    using Notifier::Show;
    void Show(const Message& message) override { ShowOver(parent_, message); }
    // A box with the question's two buttons; Escape and the window's close button reject.
    bool Ask(const Question& question) override { return AskOver(parent_, question); }
    void ShowOver(QWidget* window, const Message& message) override;
    bool AskOver(QWidget* window, const Question& question) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

  private:
    QPointer<QWidget> parent_;
};

}  // namespace kestrova
