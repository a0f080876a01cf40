#include "painting/canvas_image_file.hpp"

#include <QCoreApplication>
#include <QGuiApplication>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "painting/canvas_image.hpp"

namespace kestrova {
namespace {

// Drops Qt's notes ("QStandardPaths: XDG_RUNTIME_DIR not set, ..."); only a fatal error, which
// ends the program, is still told.
void DropQtMessage(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}

// Keeps Qt's messages off standard error for the length of a scope, unless KESTROVA_DEBUG is set.
class QtMessagesHeld {
  public:
    QtMessagesHeld() : held_(std::getenv(kDebugVariable) == nullptr) {
        if (held_) {
            previous_ = qInstallMessageHandler(DropQtMessage);
        }
    }
    ~QtMessagesHeld() {
        if (held_) {
            qInstallMessageHandler(previous_);
        }
    }
    QtMessagesHeld(const QtMessagesHeld&) = delete;
    QtMessagesHeld& operator=(const QtMessagesHeld&) = delete;

  private:
    bool held_;
    QtMessageHandler previous_ = nullptr;
};

// Runs `paint` with a Qt application: the program's own, or an offscreen one for the call.
std::optional<std::string> WithPaintingApplication(
    const std::function<std::optional<std::string>()>& paint) {
    if (QCoreApplication::instance() != nullptr) {
        return paint();
    }
    const QtMessagesHeld quiet;
    std::array<char, 13> name = {"kestrova-cli"};
    std::array<char, 10> platform = {"-platform"};
    std::array<char, 10> offscreen = {"offscreen"};
    std::array<char*, 4> argv = {name.data(), platform.data(), offscreen.data(), nullptr};
    int argc = 3;
    const QGuiApplication application(argc, argv.data());
    return paint();
}

}  // namespace

std::optional<std::string> CanvasImageFileBytes(const Canvas& canvas, CanvasImageFormat format,
                                                double pixelRatio, std::string& bytes) {
    return WithPaintingApplication([&]() -> std::optional<std::string> {
        const std::optional<QByteArray> image = CanvasImageBytes(canvas, format, pixelRatio);
        if (!image) {
            return "the image could not be made";
        }
        bytes = image->toStdString();
        return std::nullopt;
    });
}

}  // namespace kestrova
