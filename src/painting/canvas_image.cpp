#include "painting/canvas_image.hpp"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "files/safe_save.hpp"
#include "output/canvas.hpp"
#include "painting/canvas_painter.hpp"

namespace kestrova {
namespace {

constexpr double kScreenDpi = 96.0;
constexpr double kMetresPerInch = 0.0254;
constexpr double kLeastRatio = 0.5;
constexpr double kGreatestRatio = 8.0;

// The canvas's size in pixels at 96 dpi times ratio, rounded up. The canvas areas the program
// draws are a few thousand twips, and the ratio is bounded, so the sizes fit an int.
QSize PixelSize(const Canvas& canvas, double ratio) {
    const double perPixel = kTwipsPerInch / kScreenDpi / ratio;
    const auto pixels = [perPixel](double twips) {
        const double size = std::ceil(std::clamp(twips, 1.0, 1e6) / perPixel);
        return static_cast<int>(size);
    };
    return {pixels(canvas.Width()), pixels(canvas.Height())};
}

}  // namespace

QImage CanvasImage(const Canvas& canvas, double pixelRatio) {
    const double ratio =
        pixelRatio >= kLeastRatio && pixelRatio <= kGreatestRatio ? pixelRatio : 1.0;
    QImage image(PixelSize(canvas, ratio), QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(std::lround(kScreenDpi / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintCanvas(painter, canvas);
    painter.end();
    return image;
}

QByteArray CanvasSvg(const Canvas& canvas) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const QSize size = PixelSize(canvas, 1.0);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(static_cast<int>(kScreenDpi));
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter(&generator);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    PaintCanvas(painter, canvas);
    painter.end();
    return bytes;
}

std::optional<QByteArray> CanvasImageBytes(const Canvas& canvas, CanvasImageFormat format,
                                           double pixelRatio) {
    if (format == CanvasImageFormat::Svg) {
        return CanvasSvg(canvas);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!CanvasImage(canvas, pixelRatio).save(&buffer, "PNG")) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> SaveCanvasImage(const Canvas& canvas, const QString& path,
                                           CanvasImageFormat format, double pixelRatio) {
    const std::optional<QByteArray> bytes = CanvasImageBytes(canvas, format, pixelRatio);
    if (!bytes) {
        return "the image could not be made";
    }
    return SaveFileSafely(
        QFile::encodeName(path).toStdString(),
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

}  // namespace kestrova
