#include "files/safe_save.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <vector>

namespace kestrova {
namespace {

// Symbolic links followed before a save gives up: more means a loop.
constexpr int kMostLinks = 40;

std::string Reason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

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
    why = Reason(ELOOP);
    return std::nullopt;
}

// Closes a descriptor on every way out of a scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now; the error of close() counts (a full disk may only show there).
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

std::optional<std::string> WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    // Each pass writes at least one byte or fails, so the passes are bounded by the size.
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? Reason(errno) : "nothing could be written";
        }
        written += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

// The temporary file's contents, permissions and flush; the caller renames or removes it.
std::optional<std::string> FillTemporary(int fd, std::string_view bytes,
                                         std::optional<mode_t> keepMode) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = keepMode ? *keepMode : (0666 & ~mask);
    if (::fchmod(fd, mode) != 0) {
        return Reason(errno);
    }
    if (std::optional<std::string> failure = WriteAll(fd, bytes)) {
        return failure;
    }
    if (::fsync(fd) != 0) {
        return Reason(errno);
    }
    return std::nullopt;
}

// Makes the rename itself durable; a directory that cannot be synced is not an error.
void SyncDirectory(const std::filesystem::path& directory) {
    const Descriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
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
    std::string name = (directory / ("." + target->filename().string() + ".XXXXXX")).string();
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    Descriptor file(::mkstemp(pattern.data()));
    if (file.Get() < 0) {
        return Reason(errno);
    }
    const std::string temporary(pattern.data());
    std::optional<std::string> failure = FillTemporary(file.Get(), bytes, keepMode);
    if (!failure && file.Close() != 0) {
        failure = Reason(errno);
    }
    if (!failure && std::rename(temporary.c_str(), target->c_str()) != 0) {
        failure = Reason(errno);
    }
    if (failure) {
        ::unlink(temporary.c_str());
        return failure;
    }
    SyncDirectory(directory);
    return std::nullopt;
}

}  // namespace kestrova
