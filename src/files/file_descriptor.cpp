#include "files/file_descriptor.hpp"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace kestrova {

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
