#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"
#include "support/scratch_directory.hpp"

namespace kestrova {
namespace {

using test_support::FileBytes;
using test_support::ScratchDirectory;

// The start-up form's settings file with line `number` (from 1) replaced.
std::string StartUpFileWith(int number, const std::string& line) {
    std::string text = SettingsText(MainFormInputs{});
    std::size_t start = 0;
    for (int i = 1; i < number; ++i) {
        start = text.find("\r\n", start) + 2;
    }
    return text.replace(start, text.find("\r\n", start) - start, line);
}

struct BytesCase {
    const char* what;
    std::string bytes;
    SettingsLoad outcome;
    int applied;
    std::string age;  // line 4 as read
    std::string reasonPart;
};

TEST(SettingsReading, DecodesWhatEditorsWriteAndStopsAtTheFirstBadLine) {
    const std::string sound = StartUpFileWith(4, "Caf\xC3\xA9");
    const std::vector<BytesCase> cases = {
        {"UTF-8", sound, SettingsLoad::Loaded, 66, "Caf\xC3\xA9", ""},
        {"byte-order mark", "\xEF\xBB\xBF" + sound, SettingsLoad::Loaded, 66, "Caf\xC3\xA9", ""},
        {"Windows-1252", StartUpFileWith(4, "Caf\xE9 \x80"), SettingsLoad::Loaded, 66,
         "Caf\xC3\xA9 \xE2\x82\xAC", ""},
        {"UTF-16", std::string("T\0r\0u\0e\0", 8), SettingsLoad::Stopped, 0, "35", "zero bytes"},
        {"line 3 out of range", StartUpFileWith(3, " 200 "), SettingsLoad::Stopped, 2, "35",
         "\"200\" is not a whole number from 0 to 150"},
        {"a word for an option", "# Kestrova\n", SettingsLoad::Stopped, 0, "35",
         "\"# Kestrova\" is not True, False or a number"},
        {"ends after line 4", "True\nFalse\n 20 \n40\n", SettingsLoad::Loaded, 4, "40", ""},
    };
    for (const BytesCase& c : cases) {
        MainFormInputs form;
        const SettingsReading reading = ApplySettingsBytes(c.bytes, form);
        EXPECT_EQ(reading.outcome, c.outcome) << c.what;
        EXPECT_EQ(reading.linesApplied, c.applied) << c.what;
        EXPECT_EQ(reading.stopLine, c.outcome == SettingsLoad::Stopped ? c.applied + 1 : 0)
            << c.what;
        EXPECT_EQ(form.txtage, c.age) << c.what;
        EXPECT_NE(reading.reason.find(c.reasonPart), std::string::npos) << c.what << reading.reason;
    }
}

TEST(SettingsReading, RefusesWhatIsNotARegularFileOfASettingsFileSize) {
    ScratchDirectory directory;
    const std::filesystem::path fifo = directory.Path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(directory.Path() / "folder");
    directory.Write("huge", std::string(kMostSettingsBytes + 1, 'x'));
    struct Case {
        const char* name;
        SettingsLoad outcome;
        const char* reason;
    };
    for (const Case& c : {Case{"fifo", SettingsLoad::CannotOpen, "it is not a regular file"},
                          Case{"folder", SettingsLoad::CannotOpen, "it is a directory"},
                          Case{"huge", SettingsLoad::Stopped, "it is larger than 1048576 bytes"},
                          Case{"none", SettingsLoad::Missing, ""}}) {
        MainFormInputs form;
        const SettingsReading reading = ReadSettingsFile(directory.Path() / c.name, form);
        EXPECT_EQ(reading.outcome, c.outcome) << c.name;
        EXPECT_EQ(reading.reason.rfind(c.reason, 0), 0U) << c.name << ": " << reading.reason;
        EXPECT_EQ(form, MainFormInputs{}) << c.name;
    }
}

TEST(SettingsReading, KeepsTheOriginalUnderAFreeNameByteForByte) {
    ScratchDirectory directory;
    const std::string damaged = StartUpFileWith(3, " 200 ");
    const std::filesystem::path path = directory.Write(kSettingsFileName, damaged);
    const std::filesystem::path earlier = directory.Write("kestini.txt.unreadable", "earlier");
    std::string why;
    const std::optional<std::filesystem::path> kept = KeepOriginalBeside(path, why);
    ASSERT_TRUE(kept.has_value()) << why;
    EXPECT_EQ(kept->filename(), "kestini.txt.unreadable.2");
    EXPECT_EQ(FileBytes(*kept), damaged);
    EXPECT_EQ(FileBytes(earlier), "earlier");
    EXPECT_EQ(FileBytes(path), damaged);
}

}  // namespace
}  // namespace kestrova
