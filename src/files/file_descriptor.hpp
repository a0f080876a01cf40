#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

// The system's text for an errno value ("No such file or directory").
std::string ErrorText(int error);

// A file descriptor closed when it goes out of scope (a close there is not reported).
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now and gives the error of the close, 0 when it succeeded (a full disk may only
    // show there).
    int Close();

  private:
    int fd_;
};

// Writes all of `bytes` at the file's position; gives the reason when it could not. Each pass
// writes at least one byte or fails, so the passes are bounded by the size (plus interrupted
// calls, also bounded).
std::optional<std::string> WriteAll(int fd, std::string_view bytes);

}  // namespace kestrova
