#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

// Loaded into a Qt Widgets program with LD_PRELOAD, this ends the program as soon as its first
// window has been painted, so that the program's run measures its start-up up to the first
// paint. It is a benchmark's tool, not part of the program.

namespace {

class FirstPaintWatch : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->isWindow()) {
                seen_ = true;
                // Ends once this paint and whatever it queued have been done.
                QMetaObject::invokeMethod(
                    qApp,
                    [] {
                        std::fflush(stdout);
                        ::_exit(0);
                    },
                    Qt::QueuedConnection);
            }
        }
        return false;
    }

  private:
    bool seen_ = false;
};

void WatchFirstPaint() {
    qApp->installEventFilter(new FirstPaintWatch(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)
