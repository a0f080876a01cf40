#include "painting/image_module_loader.hpp"

#include <dlfcn.h>

#include <system_error>

#include "painting/image_module.hpp"

namespace kestrova {
namespace {

// The folder of the installed programs' libraries relative to their own folder, set by the build.
#ifndef KESTROVA_MODULE_FROM_BIN
#define KESTROVA_MODULE_FROM_BIN "../lib/kestrova/painting"
#endif

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::filesystem::path ProgramModuleFor(const std::filesystem::path& program,
                                       const std::string& fileName) {
    const std::filesystem::path folder = program.parent_path();
    const std::filesystem::path beside = folder / fileName;
    if (IsFile(beside)) {
        return beside;
    }
    return (folder / KESTROVA_MODULE_FROM_BIN / fileName).lexically_normal();
}

std::filesystem::path RunningProgramModule(const std::string& fileName) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return ProgramModuleFor(program, fileName);
}

void* ProgramModuleEntry(const std::filesystem::path& module, const std::string& what,
                         const char* entry, std::string& failure) {
    if (module.empty()) {
        failure = "the " + what + " was not found";
        return nullptr;
    }
    // Opened once for the program's life: Qt, which it loads, is not made to be unloaded.
    void* library = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* why = dlerror();
        failure = "cannot open the " + what + " " + module.string() + ": " +
                  (why != nullptr ? why : "unknown error");
        return nullptr;
    }
    void* address = dlsym(library, entry);
    if (address == nullptr) {
        failure = "the " + what + " " + module.string() + " has no " + entry;
    }
    return address;
}

std::filesystem::path ImageModuleFor(const std::filesystem::path& program) {
    return ProgramModuleFor(program, kImageModuleFileName);
}

std::filesystem::path RunningProgramImageModule() {
    return RunningProgramModule(kImageModuleFileName);
}

std::optional<std::string> CanvasImageBytesFromModule(const std::filesystem::path& module,
                                                      const Canvas& canvas,
                                                      CanvasImageFormat format, double pixelRatio,
                                                      std::string& bytes) {
    std::string failure;
    // POSIX guarantees that a function's address survives the trip through void*.
    const auto entry = reinterpret_cast<ImageModuleEntry>(
        ProgramModuleEntry(module, "image library", kImageModuleEntry, failure));
    if (entry == nullptr) {
        return failure;
    }
    const int format01 = format == CanvasImageFormat::Png ? 0 : 1;
    if (entry(&canvas, format01, pixelRatio, &bytes, &failure) != 0) {
        return failure.empty() ? "the image could not be made" : failure;
    }
    return std::nullopt;
}

}  // namespace kestrova
