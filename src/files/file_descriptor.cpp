#include "files/file_descriptor.hpp"

#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>

namespace kestrova {
namespace {

// How long a lock waits for another program to let go of the file.
constexpr int kLockPasses = 300;
constexpr std::chrono::milliseconds kLockPause{10};

}  // namespace

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::optional<std::string> FileDescriptor::Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    if (result != 0 && errno != EINTR) {
        return ErrorText(errno);
    }
    return std::nullopt;
}

int LockFile(int fd, int operation) {
    for (int pass = 0; pass < kLockPasses; ++pass) {
        if (::flock(fd, operation | LOCK_NB) == 0) {
            return 0;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return errno;
        }
        std::this_thread::sleep_for(kLockPause);
    }
    return EWOULDBLOCK;
}

std::string ErrorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

std::optional<std::string> WriteAllBytes(int fd, std::string_view bytes) {
    std::size_t written = 0;
    // Each pass writes at least one byte or fails, so the passes are bounded by the size; an
    // interruption is retried a bounded number of times in a row.
    constexpr int kMostInterruptions = 1000;
    int interruptions = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR && ++interruptions < kMostInterruptions) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? ErrorText(errno) : "nothing could be written";
        }
        interruptions = 0;
        written += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

}  // namespace kestrova
