#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "painting/canvas_image_file.hpp"

namespace kestrova {

class Canvas;

// The programs open a few libraries of their own (the image library, the desktop program's print
// library) only when they need them, so that they start without what those load.

// Where the programs' library `fileName` is: beside the program (as built) or in the installed
// library folder; the first that exists, else the installed one (whose absence then shows in
// the message of whatever needs it). `program` is the running program's file.
std::filesystem::path ProgramModuleFor(const std::filesystem::path& program,
                                       const std::string& fileName);

// The library `fileName` of the running program (found from /proc/self/exe).
std::filesystem::path RunningProgramModule(const std::string& fileName);

// The entry point `entry` of the library at `module`, which is opened on the first call and kept
// open; nothing, with why in `failure` (naming the library as `what`), when it cannot be had.
void* ProgramModuleEntry(const std::filesystem::path& module, const std::string& what,
                         const char* entry, std::string& failure);

// The image library: ProgramModuleFor and RunningProgramModule with its file name.
std::filesystem::path ImageModuleFor(const std::filesystem::path& program);
std::filesystem::path RunningProgramImageModule();

// The bytes of the canvas as a PNG file (at pixelRatio) or an SVG file, painted by the image
// library at `module`, which is opened on the first call and kept open. Gives why it failed, or
// nothing. Plain C++: a program that calls it needs neither Qt nor its SVG module until then.
std::optional<std::string> CanvasImageBytesFromModule(const std::filesystem::path& module,
                                                      const Canvas& canvas,
                                                      CanvasImageFormat format, double pixelRatio,
                                                      std::string& bytes);

}  // namespace kestrova
