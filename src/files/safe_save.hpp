#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

// Saves `bytes` at `path`, whatever stands there, without ever damaging what is not ours:
// - a regular file (or none) is replaced as a careful editor saves: the bytes go to a new file in
//   the same directory (without a name while it is written, where the file system allows, so a
//   save killed part way leaves nothing behind), which is flushed to the disk and then renamed
//   over the old file, so a failure at any point leaves the old file exactly as it was. The old
//   file's permissions are kept (a new file gets the usual ones); a read-only file is left alone;
// - a symbolic link is followed to its target, which is saved as above; the link stays a link;
// - a pipe (FIFO), a character device (/dev/null, a terminal) or a socket is written into in
//   place as a stream, never replaced; a pipe that no program reads is not waited for;
// - a directory or anything else is refused.
// Nothing beside the target is created or removed but the save's own temporary file. Returns
// the reason (the system's words, such as "No space left on device") when the bytes could not be
// saved, nothing on success.
std::optional<std::string> SaveFileSafely(const std::filesystem::path& path,
                                          std::string_view bytes);

}  // namespace kestrova
