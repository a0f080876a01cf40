#include "painting/image_module.hpp"

#include "painting/canvas_image_file.hpp"

#include <type_traits>

// Only this function is exported from the library (it is built with hidden visibility).
extern "C" __attribute__((visibility("default"))) int KestrovaCanvasImageFileBytes(
    const kestrova::Canvas* canvas, int format, double pixelRatio, std::string* bytes,
    std::string* failure) {
    if (canvas == nullptr || bytes == nullptr || failure == nullptr || format < 0 || format > 1) {
        return 1;
    }
    const auto imageFormat =
        format == 0 ? kestrova::CanvasImageFormat::Png : kestrova::CanvasImageFormat::Svg;
    if (std::optional<std::string> why =
            kestrova::CanvasImageFileBytes(*canvas, imageFormat, pixelRatio, *bytes)) {
        *failure = std::move(*why);
        return 1;
    }
    return 0;
}

// The programs call it through this type.
static_assert(std::is_same_v<decltype(&KestrovaCanvasImageFileBytes), kestrova::ImageModuleEntry>);
