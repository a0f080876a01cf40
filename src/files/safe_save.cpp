#include "files/safe_save.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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
// Directory entries looked at for stale temporary files before a save.
constexpr int kMostEntriesLookedAt = 100000;
constexpr std::string_view kNameLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;
// Lines of /proc/self/status looked at for the umask (it has about sixty).
constexpr int kMostStatusLines = 200;
constexpr std::string_view kUmaskField = "Umask:";

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

// The process's umask, read without changing it: setting it, even for a moment, would give a
// file that another thread creates meanwhile the wrong permissions. Linux shows it in
// /proc/self/status; where that cannot be read, the usual 022 is assumed.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    for (int i = 0; i < kMostStatusLines && std::getline(status, line); ++i) {
        if (line.rfind(kUmaskField, 0) == 0) {
            char* end = nullptr;
            const unsigned long mask = std::strtoul(line.c_str() + kUmaskField.size(), &end, 8);
            if (end != line.c_str() + kUmaskField.size() && mask <= 0777) {
                return static_cast<mode_t>(mask);
            }
        }
    }
    return 022;
}

// The permissions a new file gets: everyone may read and write, less the process's umask.
mode_t NewFileMode() {
    return 0666 & ~CurrentUmask();
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
    std::uniform_int_distribution<std::size_t> pick(0, kNameLetters.size() - 1);
    std::string suffix(kSuffixLength, 'X');
    for (char& letter : suffix) {
        letter = kNameLetters[pick(random)];
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
    ::flock(file.Get(), LOCK_EX);  // marks it as in use (see RemoveStaleTemporaries)
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
    ::flock(file.Get(), LOCK_EX);  // marks it as in use (see RemoveStaleTemporaries)
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

// Whether a directory entry's name is one a save of `target` gives its temporary file.
bool IsTemporaryName(const std::string& name, const std::string& target) {
    const std::string head = "." + target + ".";
    if (name.size() != head.size() + kSuffixLength || name.compare(0, head.size(), head) != 0) {
        return false;
    }
    return name.find_first_not_of(kNameLetters, head.size()) == std::string::npos;
}

// Removes the temporary files beside the target that saves killed part way left. Every save
// holds a lock on its temporary file while it lives, so one that can be locked is stale; a
// save still running elsewhere keeps its own.
void RemoveStaleTemporaries(const std::filesystem::path& directory,
                            const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    const std::string name = target.filename().string();
    int looked = 0;
    for (; !error && entries != std::filesystem::directory_iterator() &&
           looked < kMostEntriesLookedAt;
         entries.increment(error), ++looked) {
        const std::filesystem::path& path = entries->path();
        if (!IsTemporaryName(path.filename().string(), name)) {
            continue;
        }
        const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat opened {};
        struct stat named {};
        if (!file.IsOpen() || ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0 ||
            ::fstat(file.Get(), &opened) != 0 || ::lstat(path.c_str(), &named) != 0 ||
            !S_ISREG(opened.st_mode) || opened.st_ino != named.st_ino ||
            opened.st_dev != named.st_dev) {
            continue;
        }
        ::unlink(path.c_str());
    }
}

std::optional<std::string> ReplaceRegularFile(const std::filesystem::path& target,
                                              std::string_view bytes, mode_t mode) {
    const std::filesystem::path directory =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    RemoveStaleTemporaries(directory, target);
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
    // A pipe or device is opened through the path itself, which also follows the system's own
    // links such as /dev/stdout.
    struct stat special {};
    if (::stat(path.c_str(), &special) == 0 && IsStreamTarget(special.st_mode)) {
        return WriteIntoStream(path, special.st_mode, bytes);
    }
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
