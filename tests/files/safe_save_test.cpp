#include "files/safe_save.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "support/device_files.hpp"
#include "support/scratch_directory.hpp"

namespace kestrova {
namespace {

namespace fs = std::filesystem;
using test_support::EntryCount;
using test_support::FileBytes;
using test_support::ScratchDirectory;

mode_t ModeOf(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(SaveFileSafely, ReplacesTheFileAndLeavesNothingElseBehind) {
    ScratchDirectory directory;
    const fs::path file = directory.Write("kestini.txt", std::string(5000, 'o'));
    // Names an older version of the program used for its temporary file do not get in the way.
    fs::create_directory(directory.Path() / "kestini.txt.tmp");
    ASSERT_EQ(SaveFileSafely(file, "new\r\n"), std::nullopt);
    EXPECT_EQ(FileBytes(file), "new\r\n");
    EXPECT_EQ(EntryCount(directory.Path()), 2u);
    ASSERT_EQ(SaveFileSafely(directory.Path() / "fresh.txt", ""), std::nullopt);
    EXPECT_TRUE(fs::is_regular_file(directory.Path() / "fresh.txt"));
}

TEST(SaveFileSafely, KeepsThePermissionsOfTheOldFile) {
    ScratchDirectory directory;
    const fs::path file = directory.Write("private.txt", "old");
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    ASSERT_EQ(SaveFileSafely(file, "new"), std::nullopt);
    EXPECT_EQ(ModeOf(file), 0600u);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_EQ(SaveFileSafely(file, "newer"), std::nullopt);
    EXPECT_EQ(ModeOf(file), 0640u);
}

// A new file gets the usual permissions under the process's umask, and the umask is the same
// after the save (it is never changed, not even for a moment).
TEST(SaveFileSafely, NewFileFollowsTheUmaskWithoutChangingIt) {
    ScratchDirectory directory;
    const mode_t before = ::umask(027);
    ASSERT_EQ(SaveFileSafely(directory.Path() / "fresh.txt", "x"), std::nullopt);
    const mode_t during = ::umask(before);
    EXPECT_EQ(during, 027u);
    EXPECT_EQ(ModeOf(directory.Path() / "fresh.txt"), 0640u);
}

// Each failure leaves the user's bytes exactly as they were and says why.
TEST(SaveFileSafely, FailuresKeepTheOldBytes) {
    ScratchDirectory directory;
    const fs::path readOnly = directory.Write("read-only.txt", "keep me");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    EXPECT_EQ(SaveFileSafely(readOnly, "lost"), "the file is read-only");
    EXPECT_EQ(FileBytes(readOnly), "keep me");

    const fs::path inTheWay = directory.Path() / "a-directory";
    fs::create_directories(inTheWay / "inside");
    EXPECT_EQ(SaveFileSafely(inTheWay, "lost"), "it is a directory");
    EXPECT_TRUE(fs::exists(inTheWay / "inside"));

    const fs::path loop = directory.Path() / "loop";
    fs::create_symlink("loop", loop);
    EXPECT_TRUE(SaveFileSafely(loop, "lost").has_value());

    EXPECT_TRUE(SaveFileSafely(directory.Path() / "no-such-folder" / "x.txt", "lost").has_value());
    EXPECT_EQ(EntryCount(directory.Path()), 3u);  // nothing half-written left behind
}

TEST(SaveFileSafely, ReadOnlyDirectoryKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop the superuser from writing";
    }
    ScratchDirectory directory;
    const fs::path file = directory.Write("kestini.txt", "keep me");
    fs::permissions(directory.Path(), fs::perms::owner_read | fs::perms::owner_exec,
                    fs::perm_options::replace);
    EXPECT_TRUE(SaveFileSafely(file, "lost").has_value());
    EXPECT_EQ(FileBytes(file), "keep me");
}

TEST(SaveFileSafely, WritesIntoPipesAndDevicesAndRefusesDirectories) {
    test_support::ExpectSpecialTargetsHandled(
        [](const fs::path& path) { return SaveFileSafely(path, "saved\r\n"); }, "saved\r\n");
}

TEST(SaveFileSafely, APipeWithoutReaderIsNotWaitedFor) {
    ScratchDirectory directory;
    const fs::path fifo = directory.Path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(SaveFileSafely(fifo, "x"), "no program is reading from the pipe");
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

TEST(SaveFileSafely, AFullDeviceGivesTheSystemsReason) {
    if (const auto skip = test_support::NotTheDevice("/dev/full", 1, 7)) {
        GTEST_SKIP() << *skip;
    }
    EXPECT_EQ(SaveFileSafely("/dev/full", std::string(100000, 'x')), "No space left on device");
    EXPECT_EQ(test_support::NotTheDevice("/dev/full", 1, 7), std::nullopt);
}

// Saves killed at random moments leave the file entirely old or entirely new, and leave no
// temporary file behind.
TEST(SaveFileSafely, AKilledSaveLeavesNothingBehind) {
    ScratchDirectory directory;
    const std::string oldBytes(1 << 20, 'o');
    const std::string newBytes(1 << 20, 'n');
    const fs::path file = directory.Write("kestini.txt", oldBytes);
    constexpr int kKills = 40;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int save = 0; save < 1000; ++save) {
                SaveFileSafely(file, save % 2 == 0 ? newBytes : oldBytes);
            }
            ::_exit(0);
        }
        ::usleep(static_cast<useconds_t>(1000 + 3000 * kill % 17000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string now = FileBytes(file);
        EXPECT_TRUE(now == oldBytes || now == newBytes) << "after kill " << kill;
    }
    // A save killed right after its file got its temporary name leaves that name; the next
    // save removes it.
    ASSERT_EQ(SaveFileSafely(file, newBytes), std::nullopt);
    EXPECT_EQ(EntryCount(directory.Path()), 1u);
}

// Only stale temporary files of the same target go: not those a running save holds, not other
// names.
TEST(SaveFileSafely, RemovesOnlyStaleTemporariesOfItsOwnFile) {
    ScratchDirectory directory;
    const fs::path file = directory.Write("kestini.txt", "old");
    const fs::path stale = directory.Write(".kestini.txt.Ab12Yz", "left by a killed save");
    const fs::path held = directory.Write(".kestini.txt.Cd34Wx", "a save still running");
    const std::vector<std::string> others = {".kestini.txt.tmp", ".kestini.txt.Ab12Y",
                                             ".kestini.txt.Ab-2Yz", ".other.txt.Ab12Yz",
                                             "kestini.txt.Ab12Yz"};
    for (const std::string& name : others) {
        directory.Write(name, "not ours");
    }
    const int lock = ::open(held.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    ASSERT_EQ(SaveFileSafely(file, "new"), std::nullopt);
    ::close(lock);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_EQ(FileBytes(held), "a save still running");
    for (const std::string& name : others) {
        EXPECT_EQ(FileBytes(directory.Path() / name), "not ours") << name;
    }
    EXPECT_EQ(EntryCount(directory.Path()), 2u + others.size());
}

}  // namespace
}  // namespace kestrova
