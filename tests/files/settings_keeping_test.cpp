#include "files/settings_keeping.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"
#include "support/scratch_directory.hpp"
#include "support/settings_lines.hpp"

namespace kestrova {
namespace {

namespace fs = std::filesystem;
using test_support::EntryCount;
using test_support::FileBytes;
using test_support::ScratchDirectory;
using test_support::StartUpFileWith;

struct stat StatOf(const fs::path& file) {
    struct stat info {};
    EXPECT_EQ(::stat(file.c_str(), &info), 0) << file;
    return info;
}

// Runs `work` as a user whom file permissions bind (nobody, when the tests run as the superuser),
// in a process of its own, and gives what it returned. The directory is handed to that user.
std::string AsOrdinaryUser(const fs::path& directory, const std::function<std::string()>& work) {
    if (::geteuid() != 0) {
        return work();
    }
    constexpr uid_t kNobody = 65534;
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        EXPECT_EQ(::lchown(entry.path().c_str(), kNobody, kNobody), 0);
    }
    EXPECT_EQ(::chown(directory.c_str(), kNobody, kNobody), 0);
    int channel[2];
    EXPECT_EQ(::pipe(channel), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(1);
        }
        const std::string result = work();
        const ssize_t written = ::write(channel[1], result.data(), result.size());
        ::_exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n = 0; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return result;
}

// A file without read permission is moved aside before the save at closing can replace it.
TEST(SettingsKeeping, AFileThatCannotBeReadIsMovedAsideFirst) {
    ScratchDirectory directory;
    const std::string bytes = StartUpFileWith(3, " 70 ");
    const fs::path file = directory.Write(kSettingsFileName, bytes);
    ASSERT_EQ(::chmod(file.c_str(), 0200), 0);
    const std::string messages = AsOrdinaryUser(directory.Path(), [&] {
        MainFormInputs form;
        std::string said = LoadSettingsAtStartUp(file, form).value_or("");
        said += "|" + SaveSettingsAtClosing(file, form).value_or("saved");
        return said;
    });
    const fs::path kept = file.string() + ".unreadable";
    EXPECT_EQ(messages, "The settings file " + file.string() +
                            " cannot be read (no permission to read it). The inputs start at "
                            "their usual values.\nThe file as it was is kept as " +
                            kept.string() + ".|saved");
    ASSERT_EQ(::chmod(kept.c_str(), 0600), 0);
    EXPECT_EQ(FileBytes(kept), bytes);
    EXPECT_EQ(FileBytes(file), SettingsText(MainFormInputs{}));
}

// Where it cannot be moved (a directory the user may not write to), it is not replaced either.
TEST(SettingsKeeping, AFileThatCannotBeReadNorMovedIsNeverReplaced) {
    ScratchDirectory directory;
    const fs::path folder = directory.Path() / "locked";
    fs::create_directory(folder);
    const std::string bytes = StartUpFileWith(3, " 70 ");
    const fs::path file = directory.Write("locked/" + std::string(kSettingsFileName), bytes);
    ASSERT_EQ(::chmod(file.c_str(), 0200), 0);
    const std::string messages = AsOrdinaryUser(directory.Path(), [&] {
        ::chmod(folder.c_str(), 0500);
        MainFormInputs form;
        std::string said = LoadSettingsAtStartUp(file, form).value_or("");
        said += "|" + SaveSettingsAtClosing(file, form).value_or("saved");
        ::chmod(folder.c_str(), 0700);
        return said;
    });
    EXPECT_NE(messages.find("It could not be kept under another name (Permission denied), so the "
                            "program will not replace it when it closes."),
              std::string::npos)
        << messages;
    EXPECT_NE(messages.find("|The settings could not be saved in " + file.string() +
                            ": the file there cannot be read, and a file the program could not "
                            "read is never replaced."),
              std::string::npos)
        << messages;
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    EXPECT_EQ(FileBytes(file), bytes);
    EXPECT_EQ(EntryCount(folder), 1u);
}

// A huge sparse file is kept at once and takes no more room; a later start keeps it no again.
TEST(SettingsKeeping, AHugeFileIsKeptWithoutCopyingItsBytes) {
    ScratchDirectory directory;
    const fs::path file = directory.Write(kSettingsFileName, "True\r\n");
    constexpr off_t kGigabyte = off_t{1} << 30;
    ASSERT_EQ(::truncate(file.c_str(), kGigabyte), 0);
    const struct stat before = StatOf(file);
    MainFormInputs form;
    const std::optional<std::string> said = LoadSettingsAtStartUp(file, form);
    ASSERT_TRUE(said.has_value());
    EXPECT_NE(said->find("more than a settings file holds"), std::string::npos) << *said;
    const fs::path kept = file.string() + ".unreadable";
    EXPECT_NE(said->find("The file as it was is kept as " + kept.string() + "."), std::string::npos)
        << *said;
    const struct stat copy = StatOf(kept);
    EXPECT_EQ(copy.st_size, kGigabyte);
    EXPECT_LE(copy.st_blocks, before.st_blocks);

    MainFormInputs again;
    const std::optional<std::string> second = LoadSettingsAtStartUp(file, again);
    ASSERT_TRUE(second.has_value());
    EXPECT_NE(second->find("kept as " + kept.string() + "."), std::string::npos) << *second;
    EXPECT_EQ(EntryCount(directory.Path()), 2u);  // no second copy of an unchanged file

    EXPECT_EQ(SaveSettingsAtClosing(file, form), std::nullopt);
    EXPECT_EQ(FileBytes(file), SettingsText(form));
    EXPECT_EQ(StatOf(kept).st_size, kGigabyte);
    EXPECT_EQ(EntryCount(directory.Path()), 2u);
}

// A settings file that is a symbolic link keeps the bytes of the file it leads to.
TEST(SettingsKeeping, ALinkedDamagedFileKeepsTheBytesItLeadsTo) {
    ScratchDirectory directory;
    const std::string bytes = StartUpFileWith(3, " 200 ");
    const fs::path real = directory.Write("real.txt", bytes);
    const fs::path file = directory.Path() / kSettingsFileName;
    fs::create_symlink("real.txt", file);
    MainFormInputs form;
    EXPECT_TRUE(LoadSettingsAtStartUp(file, form).has_value());
    EXPECT_EQ(SaveSettingsAtClosing(file, form), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(FileBytes(real), SettingsText(form));
    EXPECT_EQ(FileBytes(file.string() + ".unreadable"), bytes);
}

// A read-only damaged file is never replaced and gains one kept name, not one per start.
TEST(SettingsKeeping, AReadOnlyDamagedFileIsKeptOnce) {
    ScratchDirectory directory;
    const std::string bytes = StartUpFileWith(3, " 200 ");
    const fs::path file = directory.Write(kSettingsFileName, bytes);
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    for (int start = 0; start < 3; ++start) {
        MainFormInputs form;
        EXPECT_TRUE(LoadSettingsAtStartUp(file, form).has_value());
        const std::optional<std::string> closing = SaveSettingsAtClosing(file, form);
        ASSERT_TRUE(closing.has_value());
        EXPECT_NE(closing->find("the file is read-only"), std::string::npos) << *closing;
    }
    EXPECT_EQ(FileBytes(file), bytes);
    EXPECT_EQ(FileBytes(file.string() + ".unreadable"), bytes);
    EXPECT_EQ(EntryCount(directory.Path()), 2u);
}

// A line longer than a box holds stops the reading instead of coming back cut short; the file
// is kept whole.
TEST(SettingsKeeping, ALineLongerThanABoxHoldsIsRefusedNotCut) {
    const auto times = [](const std::string& part, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += part;
        }
        return text;
    };
    const std::string runner = "\xF0\x9F\x8F\x83";  // counts twice in a box
    const std::pair<std::string, bool> cases[] = {
        {times("a", kMostBoxCharacters), false},
        {times("a", kMostBoxCharacters + 1), true},
        {times("7", 900 * 1024), true},
        {times(runner, kMostBoxCharacters / 2), false},
        {times(runner, kMostBoxCharacters / 2 + 1), true},
    };
    for (const auto& [age, refused] : cases) {
        ScratchDirectory directory;
        const std::string bytes = StartUpFileWith(4, age);
        const fs::path file = directory.Write(kSettingsFileName, bytes);
        MainFormInputs form;
        const std::optional<std::string> said = LoadSettingsAtStartUp(file, form);
        ASSERT_EQ(said.has_value(), refused) << age.size();
        EXPECT_EQ(form.txtage, refused ? MainFormInputs{}.txtage : age) << age.size();
        if (refused) {
            EXPECT_NE(said->find("...\" is longer than 32767 characters, more than a box holds)"),
                      std::string::npos)
                << *said;
            EXPECT_EQ(SaveSettingsAtClosing(file, form), std::nullopt);
            EXPECT_EQ(FileBytes(file.string() + ".unreadable"), bytes);
        }
    }
}

}  // namespace
}  // namespace kestrova
