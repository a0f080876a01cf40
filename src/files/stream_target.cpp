#include "files/stream_target.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "files/file_descriptor.hpp"

namespace kestrova {
namespace {

// Keeps SIGPIPE from this thread for the length of a write into a pipe, so a reader that goes
// away gives EPIPE instead of ending the program; a SIGPIPE raised meanwhile is taken back
// before the old mask returns.
class PipeSignalHold {
  public:
    PipeSignalHold() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
    }
    ~PipeSignalHold() {
        sigset_t pending;
        sigpending(&pending);
        if (!wasPending_ && sigismember(&pending, SIGPIPE) == 1) {
            const timespec none{0, 0};
            sigtimedwait(&pipe_, nullptr, &none);
        }
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    PipeSignalHold(const PipeSignalHold&) = delete;
    PipeSignalHold& operator=(const PipeSignalHold&) = delete;

  private:
    sigset_t pipe_{};
    sigset_t old_{};
    bool wasPending_ = false;
};

std::optional<std::string> WriteToSocket(const std::filesystem::path& path,
                                         std::string_view bytes) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = path.string();
    if (name.size() >= sizeof(address.sun_path)) {
        return "the socket's name is too long";
    }
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket.IsOpen()) {
        return ErrorText(errno);
    }
    if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) !=
        0) {
        return ErrorText(errno);
    }
    const PipeSignalHold hold;
    if (std::optional<std::string> failure = WriteAllBytes(socket.Get(), bytes)) {
        return failure;
    }
    return socket.Close();
}

std::optional<std::string> WriteToDevice(const std::filesystem::path& path,
                                         std::string_view bytes) {
    // Opening without waiting: a pipe with no reader fails at once instead of hanging.
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen()) {
        return errno == ENXIO ? "no program is reading from the pipe" : ErrorText(errno);
    }
    struct stat opened {};
    if (::fstat(file.Get(), &opened) != 0) {
        return ErrorText(errno);
    }
    if (!IsStreamTarget(opened.st_mode)) {
        // Something else took the name since it was looked at; writing into it in place
        // would mix old and new bytes.
        return "the file changed while it was being saved";
    }
    const int flags = ::fcntl(file.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return ErrorText(errno);
    }
    const PipeSignalHold hold;
    if (std::optional<std::string> failure = WriteAllBytes(file.Get(), bytes)) {
        return failure;
    }
    return file.Close();
}

}  // namespace

bool IsStreamTarget(mode_t mode) {
    return S_ISFIFO(mode) || S_ISCHR(mode) || S_ISSOCK(mode);
}

std::optional<std::string> WriteIntoStream(const std::filesystem::path& path, mode_t mode,
                                           std::string_view bytes) {
    return S_ISSOCK(mode) ? WriteToSocket(path, bytes) : WriteToDevice(path, bytes);
}

}  // namespace kestrova
