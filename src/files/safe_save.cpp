#include "files/safe_save.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>
#include <vector>

#include "files/file_descriptor.hpp"
#include "files/stream_target.hpp"

namespace kestrova {
namespace {

// Symbolic links followed before a save gives up: more means a loop.
constexpr int kMostLinks = 40;
// Fresh temporary names tried before a save gives up.
constexpr int kMostNames = 100;

// The file a save really replaces: the end of a chain of symbolic links, or the path itself.
std::optional<std::filesystem::path> ResolveLinks(std::filesystem::path path, std::string& why) {
    for (int link = 0; link < kMostLinks; ++link) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) {
            return path;
        }
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            why = error.message();
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    why = ErrorText(ELOOP);
    return std::nullopt;
}

// The permissions a new file gets: everyone may read and write, less the process's umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file's contents, permissions and flush; the caller names or removes it.
std::optional<std::string> FillTemporary(int fd, std::string_view bytes, mode_t mode) {
    if (::fchmod(fd, mode) != 0) {
        return ErrorText(errno);
    }
    if (std::optional<std::string> failure = WriteAllBytes(fd, bytes)) {
        return failure;
    }
    if (::fsync(fd) != 0) {
        return ErrorText(errno);
    }
    return std::nullopt;
}

// A hidden name beside the target for its new version: ".NAME.XXXXXX".
std::string TemporaryName(const std::filesystem::path& directory,
                          const std::filesystem::path& target, std::mt19937& random) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string suffix(6, 'X');
    for (char& letter : suffix) {
        letter = kLetters[pick(random)];
    }
    return (directory / ("." + target.filename().string() + "." + suffix)).string();
}

// Moves the finished temporary file over the target; on failure the temporary file goes.
std::optional<std::string> MoveIntoPlace(const std::string& temporary,
                                         const std::filesystem::path& target) {
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return ErrorText(error);
    }
    return std::nullopt;
}

// The new version is written into a file without a name (O_TMPFILE), which the system removes
// by itself if the program is killed part way, and given a name only once it is complete, just
// before it is moved over the target. Nothing when the file system cannot make such files.
std::optional<std::optional<std::string>> ReplaceThroughNamelessFile(
    const std::filesystem::path& directory, const std::filesystem::path& target,
    std::string_view bytes, mode_t mode) {
    FileDescriptor file(::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (!file.IsOpen()) {
        return std::nullopt;
    }
    if (std::optional<std::string> failure = FillTemporary(file.Get(), bytes, mode)) {
        return failure;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(file.Get());
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < kMostNames; ++attempt) {
        const std::string temporary = TemporaryName(directory, target, random);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return MoveIntoPlace(temporary, target);
        }
        if (errno != EEXIST) {
            return std::nullopt;  // no /proc, say: the named way still works
        }
    }
    return std::optional<std::string>("no free temporary name");
}

// The new version is written into a named temporary file, then moved over the target.
std::optional<std::string> ReplaceThroughNamedFile(const std::filesystem::path& directory,
                                                   const std::filesystem::path& target,
                                                   std::string_view bytes, mode_t mode) {
    std::string name = (directory / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    FileDescriptor file(::mkstemp(pattern.data()));
    if (!file.IsOpen()) {
        return ErrorText(errno);
    }
    const std::string temporary(pattern.data());
    std::optional<std::string> failure = FillTemporary(file.Get(), bytes, mode);
    if (!failure) {
        failure = file.Close();
    }
    if (failure) {
        ::unlink(temporary.c_str());
        return failure;
    }
    return MoveIntoPlace(temporary, target);
}

// Makes the rename itself durable; a directory that cannot be synced is not an error.
void SyncDirectory(const std::filesystem::path& directory) {
    const FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.IsOpen()) {
        ::fsync(dir.Get());
    }
}

std::optional<std::string> ReplaceRegularFile(const std::filesystem::path& target,
                                              std::string_view bytes, mode_t mode) {
    const std::filesystem::path directory =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::optional<std::optional<std::string>> outcome =
        ReplaceThroughNamelessFile(directory, target, bytes, mode);
    if (!outcome) {
        outcome = ReplaceThroughNamedFile(directory, target, bytes, mode);
    }
    if (!*outcome) {
        SyncDirectory(directory);
    }
    return *outcome;
}

}  // namespace

std::optional<std::string> SaveFileSafely(const std::filesystem::path& path,
                                          std::string_view bytes) {
    std::string why;
    const std::optional<std::filesystem::path> target = ResolveLinks(path, why);
    if (!target) {
        return why;
    }
    struct stat old {};
    if (::stat(target->c_str(), &old) != 0) {
        if (errno != ENOENT) {
            return ErrorText(errno);
        }
        return ReplaceRegularFile(*target, bytes, NewFileMode());
    }
    if (IsStreamTarget(old.st_mode)) {
        return WriteIntoStream(*target, old.st_mode, bytes);
    }
    if (S_ISDIR(old.st_mode)) {
        return "it is a directory";
    }
    if (!S_ISREG(old.st_mode)) {
        return "it is not a regular file, a pipe or a character device";
    }
    if ((old.st_mode & S_IWUSR) == 0) {
        return "the file is read-only";
    }
    return ReplaceRegularFile(*target, bytes, old.st_mode & 07777);
}

}  // namespace kestrova
