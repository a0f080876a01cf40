// The settings-file reader on any bytes: reading never fails hard, and the inputs it leaves, once
// written as a settings file, read back to the very same inputs.
#include <cstdint>
#include <string>
#include <string_view>

#include "files/settings_file.hpp"
#include "fuzz_support.hpp"
#include "model/main_form_inputs.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz_support::Require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Reading turns number texts into their plain form ("02" -> "2"); start from inputs that are
    // already plain, so that lines a damaged file leaves unread compare equal too.
    static const kestrova::MainFormInputs plain = [] {
        kestrova::MainFormInputs start;
        kestrova::ApplySettingsText(kestrova::SettingsText(start), start);
        return start;
    }();
    kestrova::MainFormInputs form = plain;
    const int applied = kestrova::ApplySettingsText(text, form);
    Require(applied >= 0 && applied <= kestrova::kSettingsLineCount, "lines applied out of range");

    const std::string written = kestrova::SettingsText(form);
    kestrova::MainFormInputs reread = plain;
    Require(kestrova::ApplySettingsText(written, reread) == kestrova::kSettingsLineCount,
            "a written settings file did not read back whole", written);
    Require(reread == form, "a written settings file read back to other inputs", written);
    return 0;
}
