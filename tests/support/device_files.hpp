#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "support/scratch_directory.hpp"

namespace kestrova::test_support {

// Why the system device at `path` cannot be used by a test (it is not the character device
// with these numbers, as on a machine where it was broken), or nothing when it can.
inline std::optional<std::string> NotTheDevice(const std::string& path, unsigned major,
                                               unsigned minor) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISCHR(info.st_mode) ||
        ::major(info.st_rdev) != major || ::minor(info.st_rdev) != minor) {
        return path + " is not the character device " + std::to_string(major) + "," +
               std::to_string(minor) + " on this machine";
    }
    return std::nullopt;
}

// Everything a pipe's reader gets while `write` runs, read without ever blocking.
inline std::string ReadPipeWhile(const std::filesystem::path& fifo,
                                 const std::function<void()>& write) {
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    EXPECT_GE(reader, 0);
    std::atomic<bool> done = false;
    std::thread writer([&] {
        write();
        done = true;
    });
    std::string got;
    char buffer[4096];
    // Bounded: 20 000 pauses of a millisecond at most.
    for (int pass = 0; pass < 20000 && reader >= 0; ++pass) {
        const bool finished = done;
        const ssize_t n = ::read(reader, buffer, sizeof buffer);
        if (n > 0) {
            got.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n == 0 && finished) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    writer.join();
    if (reader >= 0) {
        ::close(reader);
    }
    return got;
}

using Saver = std::function<std::optional<std::string>(const std::filesystem::path&)>;

// What a saver does with the special things that can stand at its path: a pipe with a reader
// gets the bytes and stays a pipe; /dev/null is written into and stays a device; a directory is
// refused and left as it was; a symbolic link to a file gets the file replaced and stays a
// link. `start` is how the saved bytes begin.
inline void ExpectSpecialTargetsHandled(const Saver& save, const std::string& start) {
    namespace fs = std::filesystem;
    const ScratchDirectory directory;
    const fs::path real = directory.Write("real.txt", "old bytes");
    const fs::path link = directory.Path() / "link.txt";
    fs::create_symlink("real.txt", link);
    EXPECT_EQ(save(link), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    const std::string saved = FileBytes(real);
    EXPECT_EQ(saved.substr(0, start.size()), start);

    const fs::path fifo = directory.Path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::optional<std::string> pipeFailure = "not run";
    const std::string piped = ReadPipeWhile(fifo, [&] { pipeFailure = save(fifo); });
    EXPECT_EQ(pipeFailure, std::nullopt);
    EXPECT_EQ(piped, saved);
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);

    const fs::path folder = directory.Path() / "folder";
    fs::create_directories(folder / "inside");
    const std::optional<std::string> refused = save(folder);
    ASSERT_TRUE(refused.has_value());
    EXPECT_NE(refused->find("it is a directory"), std::string::npos) << *refused;
    EXPECT_TRUE(fs::is_directory(folder / "inside"));
    // Nothing but what the test made: no temporary file left anywhere.
    std::size_t entries = 0;
    for (const auto& entry : fs::directory_iterator(directory.Path())) {
        static_cast<void>(entry);
        ++entries;
    }
    EXPECT_EQ(entries, 4u);

    if (const auto skip = NotTheDevice("/dev/null", 1, 3)) {
        GTEST_SKIP() << *skip;  // a broken machine: say so rather than write to it
    }
    EXPECT_EQ(save("/dev/null"), std::nullopt);
    EXPECT_EQ(NotTheDevice("/dev/null", 1, 3), std::nullopt);
}

}  // namespace kestrova::test_support
