#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

// An open file descriptor, closed on every way out of a scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now; the error of close() counts (a full disk may only show there). Gives why it
    // failed, or nothing.
    std::optional<std::string> Close();

  private:
    int fd_;
};

// Takes an advisory lock on the whole file (LOCK_SH or LOCK_EX), held until the descriptor is
// closed. Waits a few seconds at most for another program's lock; gives 0 or the error
// (EWOULDBLOCK when the file stayed locked).
int LockFile(int fd, int operation);

// The system's words for an errno value ("No space left on device").
std::string ErrorText(int error);

// Writes every byte, going on after interrupted or partial writes. Gives why it failed, or
// nothing.
std::optional<std::string> WriteAllBytes(int fd, std::string_view bytes);

}  // namespace kestrova
