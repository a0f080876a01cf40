#include "painting/canvas_image_file.hpp"

#include <QCoreApplication>
#include <QGuiApplication>
#include <array>

#include "painting/canvas_image.hpp"

namespace kestrova {

std::optional<std::string> WriteCanvasImageFile(const Canvas& canvas, const std::string& path,
                                                CanvasImageFormat format) {
    const auto write = [&] {
        return SaveCanvasImage(canvas, QString::fromStdString(path), format, kImageFilePixelRatio);
    };
    if (QCoreApplication::instance() != nullptr) {
        return write();
    }
    std::array<char, 13> name = {"kestrova-cli"};
    std::array<char, 10> platform = {"-platform"};
    std::array<char, 10> offscreen = {"offscreen"};
    std::array<char*, 4> argv = {name.data(), platform.data(), offscreen.data(), nullptr};
    int argc = 3;
    const QGuiApplication application(argc, argv.data());
    return write();
}

}  // namespace kestrova
