#include "files/safe_save.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "files/file_descriptor.hpp"

namespace kestrova {
namespace {

// Symbolic links followed before a save gives up: more means a loop.
constexpr int kMostLinks = 40;
// Names tried for the temporary file before giving up (each one already taken means another
// program is making such files as fast as this one; 36^8 names make a clash by chance rare).
constexpr int kMostNameAttempts = 100;
constexpr int kSuffixLength = 8;

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

// The temporary file's contents, permissions and flush; the caller renames or removes it.
std::optional<std::string> FillTemporary(int fd, std::string_view bytes,
                                         std::optional<mode_t> keepMode) {
    if (keepMode && ::fchmod(fd, *keepMode) != 0) {
        return ErrorText(errno);
    }
    if (std::optional<std::string> failure = WriteAll(fd, bytes)) {
        return failure;
    }
    if (::fsync(fd) != 0) {
        return ErrorText(errno);
    }
    return std::nullopt;
}

// A new file beside the target, named `stem` and a random suffix, made by this call alone
// (O_EXCL). It is created with the usual permissions (0666 less the process's umask, applied by
// the system), so the umask never has to be read or changed. Gives the descriptor, or -1 with
// errno set.
int CreateTemporary(const std::filesystem::path& stem, std::string& name) {
    std::random_device entropy;
    std::uniform_int_distribution<unsigned> digit(0, 35);
    constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < kMostNameAttempts; ++attempt) {
        name = stem.string() + ".";
        for (int i = 0; i < kSuffixLength; ++i) {
            name += kDigits[digit(entropy)];
        }
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself durable; a directory that cannot be synced is not an error.
void SyncDirectory(const std::filesystem::path& directory) {
    const FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) {
        ::fsync(dir.Get());
    }
}

}  // namespace

std::optional<std::string> SaveFileSafely(const std::filesystem::path& path,
                                          std::string_view bytes) {
    std::string why;
    const std::optional<std::filesystem::path> target = ResolveLinks(path, why);
    if (!target) {
        return why;
    }
    std::optional<mode_t> keepMode;
    struct stat old {};
    if (::stat(target->c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            return "it is not a regular file";
        }
        if ((old.st_mode & S_IWUSR) == 0) {
            return "the file is read-only";
        }
        keepMode = old.st_mode & 07777;
    }
    const std::filesystem::path directory =
        target->has_parent_path() ? target->parent_path() : std::filesystem::path(".");
    std::string temporary;
    FileDescriptor file(
        CreateTemporary(directory / ("." + target->filename().string()), temporary));
    if (file.Get() < 0) {
        return ErrorText(errno);
    }
    std::optional<std::string> failure = FillTemporary(file.Get(), bytes, keepMode);
    if (!failure) {
        if (const int error = file.Close()) {
            failure = ErrorText(error);
        }
    }
    if (!failure && std::rename(temporary.c_str(), target->c_str()) != 0) {
        failure = ErrorText(errno);
    }
    if (failure) {
        ::unlink(temporary.c_str());
        return failure;
    }
    SyncDirectory(directory);
    return std::nullopt;
}

}  // namespace kestrova
