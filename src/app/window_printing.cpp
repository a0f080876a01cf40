#include "app/window_printing.hpp"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QWidget>
#include <utility>
#include <vector>

#include "app/dialogs.hpp"
#include "model/notifier.hpp"

namespace kestrova {
namespace {

// Pixels per window pixel in the printed image: enough for text to stay sharp on paper.
constexpr int kImageScale = 3;

QImage WindowImageOnWhite(QWidget& window) {
    QImage image(window.size() * kImageScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kImageScale, kImageScale);
    // Without the window's own background, which leaves the white underneath.
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return image;
}

// The largest rectangle with the image's proportions that fits the page, at its top left.
QRectF FitOnPage(const QSizeF& image, const QSizeF& page) {
    if (image.isEmpty() || page.isEmpty()) {
        return {};
    }
    const QSizeF fitted = image.scaled(page, Qt::KeepAspectRatio);
    return QRectF(QPointF(0.0, 0.0), fitted);
}

}  // namespace

bool PrintWindowImageOn(QWidget& window, QPagedPaintDevice& printer) {
    const QImage image = WindowImageOnWhite(window);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QSizeF page(painter.device()->width(), painter.device()->height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(FitOnPage(QSizeF(image.size()), page), image);
    return painter.end();
}

bool PrintWindowImage(QWidget& window, Dialogs& dialogs, Notifier& notifier) {
    const auto printer = ChoosePrinter(dialogs, window.windowTitle(), &window, notifier);
    if (!printer) {
        return false;
    }
    if (!PrintWindowImageOn(window, *printer)) {
        notifier.Show("The window could not be printed on the printer chosen.");
        return false;
    }
    return true;
}

bool WithButtonsDisabled(std::initializer_list<QPushButton*> buttons,
                         const std::function<bool()>& print) {
    std::vector<std::pair<QPushButton*, bool>> states;
    for (QPushButton* button : buttons) {
        states.emplace_back(button, button->isEnabled());
        button->setEnabled(false);
    }
    const bool printed = print();
    for (const auto& [button, enabled] : states) {
        button->setEnabled(enabled);
    }
    return printed;
}

bool PrintWithButtonsDisabled(QWidget& window, std::initializer_list<QPushButton*> buttons,
                              Dialogs& dialogs, Notifier& notifier) {
    return WithButtonsDisabled(buttons,
                               [&] { return PrintWindowImage(window, dialogs, notifier); });
}

}  // namespace kestrova
