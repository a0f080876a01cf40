#include "app/application_style.hpp"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QWidget>

namespace kestrova {
namespace {

// An icon that asks a style for one of its standard icons the first time it is painted, sized
// or looked at, and from then on is that icon. A style that has gone by then gives no icon.
class DeferredStandardIcon : public QIconEngine {
  public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(style), which_(which), widget_(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, 1.0, mode, state);
    }

    // `size` is in device pixels; the icon is asked for its logical size at `scale`.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        const qreal ratio = scale > 0.0 ? scale : 1.0;
        return Icon().pixmap(size / ratio, ratio, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }

    bool isNull() override { return Icon().isNull(); }

    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

  private:
    DeferredStandardIcon(const DeferredStandardIcon& other) = default;

    const QIcon& Icon() {
        if (!made_) {
            made_ = true;
            if (style_ != nullptr) {
                icon_ = style_->standardIcon(which_, nullptr, widget_);
            }
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<const QWidget> widget_;
    bool made_ = false;
    QIcon icon_;
};

bool IsExtensionButton(QStyle::StandardPixmap which) {
    return which == QStyle::SP_ToolBarHorizontalExtensionButton ||
           which == QStyle::SP_ToolBarVerticalExtensionButton;
}

}  // namespace

QIcon ApplicationStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (option == nullptr && IsExtensionButton(standardIcon)) {
        return QIcon(new DeferredStandardIcon(baseStyle(), standardIcon, widget));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void UseApplicationStyle() {
    QApplication::setStyle(new ApplicationStyle);
}

}  // namespace kestrova
