#include "session/start_up_settings.hpp"

#include <optional>
#include <string>
#include <system_error>

#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"

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
    const SettingsReading reading = ReadSettingsFile(path, form);
    if (reading.outcome == SettingsLoad::CannotOpen) {
        notifier.Show("The settings file " + path.string() + " cannot be read (" + reading.reason +
                      "). The inputs start at their usual values.");
    }
    if (reading.outcome != SettingsLoad::Stopped) {
        return;
    }
    // Closing writes the settings file anew: the lines it could not take would be lost.
    std::string why;
    const std::optional<std::filesystem::path> kept = KeepOriginalBeside(path, why);
    notifier.Show(SettingsStopWarning(path, reading) +
                  (kept ? "\nThe file as it was is kept as " + kept->string() + "."
                        : "\nIt could not be kept under another name (" + why +
                              "), so closing the program will replace it."));
}

bool SaveSettingsAtClose(const std::filesystem::path& path, const MainFormInputs& form,
                         Notifier& notifier) {
    const std::optional<std::string> failure = SaveSettingsFile(path, form);
    if (!failure) {
        return true;
    }
    notifier.Show("The settings could not be saved in " + path.string() + ": " + *failure +
                  ".\nThe inputs of this session will not be restored at the next start.");
    return false;
}

}  // namespace kestrova
