#include "session/start_up_settings.hpp"

#include <optional>
#include <string>
#include <system_error>

#include "files/settings_file.hpp"
#include "files/settings_keeping.hpp"

namespace kestrova {

std::filesystem::path CurrentSettingsPath() {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    if (error) {
        return kSettingsFileName;  // the current directory is gone; try the bare name
    }
    return directory / kSettingsFileName;
}

void LoadStartUpSettings(const std::filesystem::path& path, MainFormInputs& form,
                         Notifier& notifier) {
    if (const std::optional<std::string> message = LoadSettingsAtStartUp(path, form)) {
        notifier.Show(*message);
    }
}

bool SaveSettingsAtClose(const std::filesystem::path& path, const MainFormInputs& form,
                         Notifier& notifier) {
    const std::optional<std::string> failure = SaveSettingsAtClosing(path, form);
    if (failure) {
        notifier.Show(*failure);
    }
    return !failure;
}

}  // namespace kestrova
