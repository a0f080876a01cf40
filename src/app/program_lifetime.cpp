#include "app/program_lifetime.hpp"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kestrova {
namespace {

// A window the user sees as one of the program's windows (not a menu, tooltip or the like).
bool IsOpenWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return widget->isVisible() && (type == Qt::Window || type == Qt::Dialog);
}

}  // namespace

ProgramLifetime::ProgramLifetime(std::function<void()> end) : end_(std::move(end)) {
    QApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(this);
}

ProgramLifetime::ProgramLifetime() : ProgramLifetime([] { QCoreApplication::quit(); }) {}

ProgramLifetime::~ProgramLifetime() {
    qApp->removeEventFilter(this);
}

bool ProgramLifetime::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow() && !checkQueued_) {
        // Looked at once the closing has finished (a window may open another as it closes).
        checkQueued_ = true;
        QTimer::singleShot(0, this, [this] { EndIfNoWindowIsLeft(); });
    }
    return false;
}

void ProgramLifetime::EndIfNoWindowIsLeft() {
    checkQueued_ = false;
    if (ended_) {
        return;
    }
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (IsOpenWindow(widget)) {
            return;
        }
    }
    ended_ = true;
    end_();
}

}  // namespace kestrova
