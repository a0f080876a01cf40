#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "analyses/any_distance_inputs.hpp"
#include "files/file_access.hpp"
#include "model/calculate.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// Whether the model state holds a curve that belongs to the inputs last calculated.
enum class FitStatus {
    None,       // no Calculate has run yet
    Current,    // the last Calculate completed
    OutOfDate,  // the last Calculate stopped on a message: the curve is an older runner's
};

// What changed, for whoever follows the session (the windows redraw on either).
enum class SessionChange {
    Fit,      // a Calculate completed or stopped
    Options,  // a window's own options changed (graph scale or units, the weight)
};

// What a window that shows the fitted curve says after a Calculate that stopped on a message:
// its curve would be an older runner's.
inline constexpr const char* kOutOfDateText = "Out of date: press Calculate";
void WriteOutOfDate(TextSink& sink);

// What "Full report" and "Text file of full report" say instead of reporting an older runner's
// curve under the inputs shown, after a Calculate that stopped on a message.
inline constexpr const char* kReportOutOfDateMessage =
    "The full report is not made: the last Calculate stopped on a message, so the fitted curve "
    "is not that of the inputs shown. Press Calculate once the inputs are right.";

// One running program (or one runner of a batch): the model state, the settings file's full
// path fixed when the session starts, the race-file state and each window's remembered inputs,
// and the flows that calculate and then do something with the curve, which the windows and the
// command-line commands share. It tells one listener about every change.
class Session {
  public:
    // `settingsPath` is made absolute now, so a later change of the current directory never
    // moves where the settings are written.
    explicit Session(const std::filesystem::path& settingsPath);

    // The settings file in `directory`, as a full path (the bare name when `directory` is empty).
    static std::filesystem::path SettingsFileIn(const std::filesystem::path& directory);

    ModelState& State() { return state_; }
    const ModelState& State() const { return state_; }
    const std::filesystem::path& SettingsPath() const { return settingsPath_; }
    FitStatus Fit() const { return fit_; }

    // Reads the settings file into `form` (a missing file leaves it as it is; what could not be
    // read is told once) and puts the state as the main window holds it right after start-up
    // with those inputs.
    void Start(MainFormInputs& form, Notifier& notifier);
    // Only the reading of the settings file into `form` (the main window shows the inputs before
    // it puts the start-up state with Begin).
    void ReadSettings(MainFormInputs& form, Notifier& notifier);
    // The state as the main window holds it right after start-up with these inputs shown (for
    // inputs read elsewhere).
    void Begin(const MainFormInputs& form);
    // Writes the form to the settings file; says so when it could not, and returns whether it
    // was written.
    bool SaveSettings(const MainFormInputs& form, Notifier& notifier) const;

    // "Calculate" as its button runs it: the run on the form (the table on `picture`, messages
    // to the notifier), then calculated = 1 whether or not it stopped, the fit status, and the
    // listener told.
    CalculateResult Calculate(MainFormInputs& form, TextSink& picture, Notifier& notifier);
    // Calculate (its table thrown away), then `then` on the fitted state when the run completed.
    // Returns whether it completed.
    bool CalculateThen(MainFormInputs& form, Notifier& notifier,
                       const std::function<void(ModelState&)>& then);
    // Whether the full report may be made from the fit: not after a Calculate that stopped on a
    // message, which the notifier is then told (kReportOutOfDateMessage).
    bool FitCanBeReported(Notifier& notifier) const;

    // The windows' own options: each sets its value and tells the listener.
    void SetGraphScale(int scale);
    void SetGraphUnits(const std::string& units);
    void SetWeightKg(double kilograms);

    // The one listener (the program's windows); an empty function stops the telling.
    void SetListener(std::function<void(SessionChange)> listener) {
        listener_ = std::move(listener);
    }

    // The race file open in the file access window and its file name box, kept while the
    // window is closed.
    FileAccessState raceFile;
    std::string raceFileName;
    // The "Special Information" window's last inputs.
    SpecialFormMemory special;

  private:
    void Tell(SessionChange change) const;

    ModelState state_;
    std::filesystem::path settingsPath_;
    FitStatus fit_ = FitStatus::None;
    std::function<void(SessionChange)> listener_;
};

}  // namespace kestrova
