#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace kestrova::test_support {

// Answers the next modal window (a print or file dialog) that the code under test opens: it
// looks every 10 ms, from the event loop the dialog runs, and hands the window to `answer`, which
// must close it (reject() or accept()). It stops looking after about 10 s, so a test whose
// dialog never opens fails on Answered() instead of waiting; a dialog that does open is always
// answered, however late its event loop starts.
class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start();
    }

    bool Answered() const { return answered_; }

  private:
    static constexpr int kMostLooks = 1000;

    void Look() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answered_ = true;
            timer_.stop();
            answer_(modal);
        } else if (++looks_ >= kMostLooks) {
            timer_.stop();
        }
    }

    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    int looks_ = 0;
    bool answered_ = false;
};

}  // namespace kestrova::test_support
