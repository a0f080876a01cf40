#include "files/file_descriptor.hpp"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace kestrova {

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

int FileDescriptor::Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
}

std::optional<std::string> WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    for (std::size_t pass = 0; written < bytes.size() && pass < 2 * bytes.size() + 8; ++pass) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? ErrorText(errno) : "nothing could be written";
        }
        written += static_cast<std::size_t>(n);
    }
    return written == bytes.size() ? std::nullopt : std::optional<std::string>(ErrorText(EIO));
}

}  // namespace kestrova
