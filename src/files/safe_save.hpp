#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

// Replaces the file at `path` with `bytes` as a careful editor saves: the bytes go to a new file
// with a unique name in the same directory, which is flushed to the disk and then renamed over
// the old file, so a failure at any point leaves the old file exactly as it was. The old file's
// permissions are kept (a new file gets the usual ones); a symbolic link is written through to
// its target and stays a link; a read-only file is left alone. Returns the reason when the file
// could not be saved, nothing on success.
std::optional<std::string> SaveFileSafely(const std::filesystem::path& path,
                                          std::string_view bytes);

}  // namespace kestrova
