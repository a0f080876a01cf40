#include "files/settings_keeping.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/file_descriptor.hpp"
#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"

namespace kestrova {
namespace {

constexpr int kMostKeptNames = 100;

std::filesystem::path KeptName(const std::filesystem::path& path, int copy) {
    std::filesystem::path kept = path;
    kept += copy == 1 ? ".unreadable" : ".unreadable." + std::to_string(copy);
    return kept;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Gives the file a second name; where the file system has no hard links, moves it there.
// Gives the errno of the failure, or 0.
int KeepUnder(const std::filesystem::path& path, const std::filesystem::path& kept, KeepBy how) {
    if (how == KeepBy::Linking) {
        // The name goes to the file a symbolic link leads to: the save at closing replaces
        // that file, and the kept name must hold its old bytes.
        if (::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, kept.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return 0;
        }
        if (errno == EEXIST) {
            return EEXIST;
        }
    }
    // rename() would replace a file that took the name meanwhile; a hard link cannot, so moving
    // checks the name once more just before.
    struct stat taken {};
    if (::lstat(kept.c_str(), &taken) == 0) {
        return EEXIST;
    }
    return std::rename(path.c_str(), kept.c_str()) == 0 ? 0 : errno;
}

bool IsRegularFile(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A regular file at `path` that this program may not read.
bool IsUnreadableFile(const std::filesystem::path& path) {
    if (!IsRegularFile(path)) {
        return false;
    }
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    return !file.IsOpen() && (errno == EACCES || errno == EPERM);
}

std::string KeptNote(const std::filesystem::path& path, KeepBy how, const std::string& ifNot) {
    std::string why;
    const std::optional<std::filesystem::path> kept = KeepOriginalBeside(path, how, why);
    return kept ? "\nThe file as it was is kept as " + kept->string() + "."
                : "\nIt could not be kept under another name (" + why + "), so " + ifNot + ".";
}

}  // namespace

std::optional<std::filesystem::path> KeepOriginalBeside(const std::filesystem::path& path,
                                                        KeepBy how, std::string& why) {
    struct stat original {};
    if (::stat(path.c_str(), &original) != 0) {
        why = ErrorText(errno);
        return std::nullopt;
    }
    for (int copy = 1; copy <= kMostKeptNames; ++copy) {
        const std::filesystem::path kept = KeptName(path, copy);
        struct stat existing {};
        if (::stat(kept.c_str(), &existing) == 0 && SameFile(existing, original)) {
            return kept;  // kept at an earlier start and not changed since
        }
    }
    for (int copy = 1; copy <= kMostKeptNames; ++copy) {
        const std::filesystem::path kept = KeptName(path, copy);
        const int error = KeepUnder(path, kept, how);
        if (error == 0) {
            return kept;
        }
        if (error != EEXIST) {
            why = ErrorText(error);
            return std::nullopt;
        }
    }
    why = "every name up to " + KeptName(path.filename(), kMostKeptNames).string() + " is taken";
    return std::nullopt;
}

std::optional<std::string> LoadSettingsAtStartUp(const std::filesystem::path& path,
                                                 MainFormInputs& form) {
    const SettingsReading reading = ReadSettingsFile(path, form);
    switch (reading.outcome) {
        case SettingsLoad::Missing:
        case SettingsLoad::Loaded:
            return std::nullopt;
        case SettingsLoad::CannotOpen: {
            const std::string text = "The settings file " + path.string() + " cannot be read (" +
                                     reading.reason + "). The inputs start at their usual values.";
            if (!IsRegularFile(path)) {
                return text;  // a directory or a pipe: closing never replaces it
            }
            // Moved rather than linked: the name is then free for the save at closing, which
            // never replaces a file it cannot read.
            return text +
                   KeptNote(path, KeepBy::Moving, "the program will not replace it when it closes");
        }
        case SettingsLoad::Stopped:
            break;
    }
    return SettingsStopWarning(path, reading) +
           KeptNote(path, KeepBy::Linking, "closing the program will replace it");
}

std::optional<std::string> SaveSettingsAtClosing(const std::filesystem::path& path,
                                                 const MainFormInputs& form) {
    std::optional<std::string> failure;
    if (IsUnreadableFile(path)) {
        failure =
            "the file there cannot be read, and a file the program could not read is "
            "never replaced";
    } else {
        failure = SaveSettingsFile(path, form);
    }
    if (!failure) {
        return std::nullopt;
    }
    return "The settings could not be saved in " + path.string() + ": " + *failure +
           ".\nThe inputs of this session will not be restored at the next start.";
}

}  // namespace kestrova
