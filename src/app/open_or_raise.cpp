#include "app/open_or_raise.hpp"

#include <algorithm>
#include <cstdlib>

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

namespace kestrova {
namespace {

// How far a new window sits from its owner's top-left corner, and from a window already there.
constexpr int kOffset = 40;
// How many places down and to the right a new window looks for one not taken.
constexpr int kCascadePlaces = 8;
// Room for a frame's edges below and beside a window, in pixels.
constexpr int kFrameBorders = 8;

// The window's size with its frame. Until the window manager has said how wide the frame is, a
// title bar's height is allowed for, so the window's bottom is not placed off the screen.
QSize FramedSize(const QWidget& window) {
    QSize size = window.frameGeometry().size();
    if (size == window.size()) {
        const int titleBar =
            window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
        size += QSize(0, titleBar + kFrameBorders);
    }
    return size;
}

// The frame's top left corner nearest to `corner` that keeps the framed window inside the
// screen's free area.
QPoint OnScreen(const QWidget& window, const QScreen* screen, QPoint corner) {
    if (screen != nullptr) {
        const QRect free = screen->availableGeometry();
        const QSize size = FramedSize(window).boundedTo(free.size());
        corner.setX(std::clamp(corner.x(), free.left(), free.right() + 1 - size.width()));
        corner.setY(std::clamp(corner.y(), free.top(), free.bottom() + 1 - size.height()));
    }
    return corner;
}

// The place `steps` offsets from the owner's corner, kept inside the screen's free area.
QPoint PlaceAt(const QWidget& window, const QWidget& owner, int steps) {
    return OnScreen(window, owner.screen(),
                    owner.frameGeometry().topLeft() + QPoint(kOffset, kOffset) * steps);
}

bool Near(QPoint a, QPoint b) {
    const QPoint apart = a - b;
    return std::abs(apart.x()) < kOffset / 2 && std::abs(apart.y()) < kOffset / 2;
}

// Whether another open window of the owner stands at `corner`. A window manager may put the frame
// or the window's inside at the place asked for, so either near it counts.
bool Taken(const QWidget& window, const QWidget& owner, QPoint corner) {
    for (const QWidget* other : owner.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != &window && other->isWindow() && other->isVisible() &&
            (Near(other->frameGeometry().topLeft(), corner) ||
             Near(other->geometry().topLeft(), corner))) {
            return true;
        }
    }
    return false;
}

}  // namespace

void PlaceBesideOwner(QWidget* window, const QWidget* owner) {
    if (window == nullptr || owner == nullptr) {
        return;
    }
    // Windows opened one after another cascade, so a new one does not hide the one before.
    QPoint corner = PlaceAt(*window, *owner, 1);
    for (int steps = 2; steps <= kCascadePlaces && Taken(*window, *owner, corner); ++steps) {
        corner = PlaceAt(*window, *owner, steps);
    }
    window->move(corner);
}

void KeepOnScreen(QWidget& window) {
    const QPoint corner = window.frameGeometry().topLeft();
    const QPoint kept = OnScreen(window, window.screen(), corner);
    if (kept != corner) {
        window.move(kept);
    }
}

void CloseOnEscape(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void KeepAboveOwner(QWidget* window) {
    if (window == nullptr || window->parentWidget() == nullptr || !window->isWindow()) {
        return;
    }
    // An X11 window manager keeps a window above another only when it is transient for it, which
    // Qt marks on dialog and tool windows alone; a dialog keeps its focus and keyboard as any
    // window does, and gets its minimise, maximise and close buttons back explicitly.
    window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
}

void BringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace kestrova
