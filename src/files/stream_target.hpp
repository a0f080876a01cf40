#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

// Whether a file of this type (st_mode) is written in place as a stream rather than replaced:
// a pipe (FIFO), a character device (a terminal, /dev/null) or a socket.
bool IsStreamTarget(mode_t mode);

// Writes the bytes into the pipe, character device or socket at `path` in place, as a program
// writing to a stream does; the special file itself stays as it is. A pipe that no program is
// reading is not waited for, and a reader that goes away is an error, not the end of the
// program. Gives why it failed, or nothing.
std::optional<std::string> WriteIntoStream(const std::filesystem::path& path, mode_t mode,
                                           std::string_view bytes);

}  // namespace kestrova
