#include "files/settings_reading.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <istream>
#include <system_error>
#include "files/file_descriptor.hpp"
#include "files/settings_file.hpp"
#include "files/windows_1252.hpp"

namespace kestrova {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The text of each line read as Windows-1252, the line breaks kept.
std::string Windows1252Lines(std::string_view bytes) {
    std::string text;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        text += Windows1252ToUtf8(bytes.substr(start, end - start));
        if (end < bytes.size()) {
            text += bytes[end];
        }
        start = end + 1;
    }
    return text;
}

SettingsReading StoppedAt(int line, int applied, std::string reason) {
    return {SettingsLoad::Stopped, applied, line, std::move(reason)};
}

SettingsReading CannotOpen(std::string reason) {
    return {SettingsLoad::CannotOpen, 0, 0, std::move(reason)};
}

std::string OpenFailure(int error) {
    if (error == EACCES || error == EPERM) {
        return "no permission to read it";
    }
    return ErrorText(error);
}

// Up to `most` bytes of an open file; nothing when reading fails.
std::optional<std::string> ReadUpTo(int fd, std::size_t most, int& error) {
    std::string bytes(most, '\0');
    std::size_t filled = 0;
    while (filled < most) {
        const ssize_t got = ::read(fd, bytes.data() + filled, most - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = errno;
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

// Bytes read up to one more than a settings file may hold: too many are refused at line 1.
SettingsReading ApplyUnlessTooLarge(std::string_view bytes, MainFormInputs& form) {
    if (bytes.size() > kMostSettingsBytes) {
        return StoppedAt(1, 0,
                         "it is larger than " + std::to_string(kMostSettingsBytes) +
                             " bytes, more than a settings file holds");
    }
    return ApplySettingsBytes(bytes, form);
}

}  // namespace

SettingsReading ApplySettingsBytes(std::string_view bytes, MainFormInputs& form) {
    if (bytes.find('\0') != std::string_view::npos) {
        return StoppedAt(1, 0,
                         "it is not a text file in UTF-8 or Windows-1252 (it holds zero bytes)");
    }
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const std::string text = IsValidUtf8(bytes) ? std::string(bytes) : Windows1252Lines(bytes);
    std::string refusal;
    const int applied = ApplySettingsText(text, form, &refusal);
    if (!refusal.empty()) {
        return StoppedAt(applied + 1, applied, refusal);
    }
    return {SettingsLoad::Loaded, applied, 0, {}};
}

SettingsReading ReadSettingsFile(const std::filesystem::path& path, MainFormInputs& form) {
    // Opening without waiting, then looking at what was opened, so a pipe put in the file's
    // place between a check and the opening still cannot block the start-up.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) {
        const int error = errno;
        return error == ENOENT ? SettingsReading{} : CannotOpen(OpenFailure(error));
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        return CannotOpen(OpenFailure(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return CannotOpen("it is a directory");
    }
    if (!S_ISREG(info.st_mode)) {
        return CannotOpen("it is not a regular file");
    }
    int error = 0;
    const std::optional<std::string> bytes = ReadUpTo(file.Get(), kMostSettingsBytes + 1, error);
    if (!bytes) {
        return CannotOpen(OpenFailure(error));
    }
    return ApplyUnlessTooLarge(*bytes, form);
}

SettingsReading ReadSettingsStream(std::istream& in, MainFormInputs& form) {
    std::string bytes(kMostSettingsBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return CannotOpen("it could not be read");
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return ApplyUnlessTooLarge(bytes, form);
}

std::string SettingsStopWarning(const std::filesystem::path& path, const SettingsReading& reading) {
    const std::string line = std::to_string(reading.stopLine);
    return "The settings file " + path.string() + " could not be read from line " + line +
           " on (line " + line + ": " + reading.reason + "). The inputs of line " + line +
           " and after start at their usual values.";
}

}  // namespace kestrova
