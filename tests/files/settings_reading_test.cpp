#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"
#include "support/settings_lines.hpp"

namespace kestrova {
namespace {

using test_support::StartUpFileWith;

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

}  // namespace
}  // namespace kestrova
