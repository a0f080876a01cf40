#include "app/form_settings.hpp"

#include <optional>
#include <string>
#include <system_error>

#include "files/settings_file.hpp"

namespace kestrova {

std::filesystem::path CurrentSettingsPath() {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    if (error) {
        return kSettingsFileName;  // the current directory is gone; try the bare name
    }
    return directory / kSettingsFileName;
}

void LoadStartUpSettings(MainFormInputs& form) {
    LoadSettingsFile(CurrentSettingsPath(), form);
}

bool SaveSettingsAtClose(const MainFormInputs& form, Notifier& notifier) {
    const std::filesystem::path path = CurrentSettingsPath();
    const std::optional<std::string> failure = SaveSettingsFile(path, form);
    if (!failure) {
        return true;
    }
    notifier.Show("The settings could not be saved in " + path.string() + ": " + *failure +
                  ".\nThe inputs of this session will not be restored at the next start.");
    return false;
}

}  // namespace kestrova
