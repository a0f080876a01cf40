#include "app/open_or_raise.hpp"

#include <algorithm>

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

namespace kestrova {
namespace {

// How far a new window sits from its owner's top-left corner.
constexpr int kOffset = 40;

}  // namespace

void PlaceBesideOwner(QWidget* window, const QWidget* owner) {
    if (window == nullptr || owner == nullptr) {
        return;
    }
    const QScreen* screen = owner->screen();
    QPoint corner = owner->frameGeometry().topLeft() + QPoint(kOffset, kOffset);
    if (screen != nullptr) {
        const QRect free = screen->availableGeometry();
        const QSize size = window->frameGeometry().size().boundedTo(free.size());
        corner.setX(std::clamp(corner.x(), free.left(), free.right() + 1 - size.width()));
        corner.setY(std::clamp(corner.y(), free.top(), free.bottom() + 1 - size.height()));
    }
    window->move(corner);
}

void CloseOnEscape(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

}  // namespace kestrova
