// The settings file's byte layer on any bytes (zero bytes, a byte-order mark, UTF-8 or
// Windows-1252 text, overlong lines): reading never fails hard, says where it stopped, and the
// inputs it leaves, saved and read again, are the very same inputs.
#include <cstdint>
#include <string>
#include <string_view>

#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"
#include "files/windows_1252.hpp"
#include "fuzz_support.hpp"
#include "model/main_form_inputs.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz_support::Require;
    using kestrova::SettingsLoad;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Reading turns number texts into their plain form ("02" -> "2"); start from inputs that are
    // already plain, so that lines a damaged file leaves unread compare equal too.
    static const kestrova::MainFormInputs plain = [] {
        kestrova::MainFormInputs start;
        kestrova::ApplySettingsText(kestrova::SettingsText(start), start);
        return start;
    }();
    kestrova::MainFormInputs form = plain;
    const kestrova::SettingsReading reading = kestrova::ApplySettingsBytes(bytes, form);
    Require(reading.outcome == SettingsLoad::Loaded || reading.outcome == SettingsLoad::Stopped,
            "bytes read as neither loaded nor stopped");
    Require(reading.linesApplied >= 0 && reading.linesApplied <= kestrova::kSettingsLineCount,
            "lines applied out of range");
    if (reading.outcome == SettingsLoad::Stopped) {
        Require(reading.stopLine == reading.linesApplied + 1 && !reading.reason.empty(),
                "a stop without its line or reason", reading.reason);
    }
    if (bytes.find('\0') != std::string_view::npos) {
        Require(reading.linesApplied == 0 && form == plain, "bytes with a zero byte applied");
    }

    const std::string saved = kestrova::SettingsText(form);
    Require(kestrova::IsValidUtf8(saved), "a saved settings file is not UTF-8", saved);
    kestrova::MainFormInputs reread = plain;
    const kestrova::SettingsReading again = kestrova::ApplySettingsBytes(saved, reread);
    Require(
        again.outcome == SettingsLoad::Loaded && again.linesApplied == kestrova::kSettingsLineCount,
        "a saved settings file did not read back whole", again.reason);
    Require(reread == form, "a saved settings file read back to other inputs", saved);
    return 0;
}
