#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

// A build step: renders the program's SVG icon at the given sizes as raw pixels (premultiplied
// ARGB, 32 bits a pixel in the machine's byte order, rows top to bottom), so that the windows'
// icon is made without an image reader: reading an image file, even a PNG, has Qt load and try
// its image format plugins (SVG, JPEG, GIF, ICO), which the first window would load for it alone.
// Usage: icon_renderer ICON.svg OUTPUT_FOLDER SIZE... (each image is named SIZE.argb)
int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon_renderer ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    static_assert(sizeof(QRgb) == 4);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "icon_renderer: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int arg = 3; arg < argc; ++arg) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[arg]).toInt(&isNumber);
        if (!isNumber || size < 1 || size > 1024) {
            std::fprintf(stderr, "icon_renderer: bad size %s\n", argv[arg]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString path = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1.argb").arg(size);
        QFile file(path);
        const auto bytes = static_cast<qint64>(image.sizeInBytes());
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes) {
            std::fprintf(stderr, "icon_renderer: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
