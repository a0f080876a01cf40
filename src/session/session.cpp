#include "session/session.hpp"

#include <system_error>
#include <utility>

#include "files/settings_file.hpp"
#include "model/start_up_state.hpp"
#include "session/start_up_settings.hpp"

namespace kestrova {
namespace {

std::filesystem::path Absolute(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute;  // the current directory is gone: the path as given
}

}  // namespace

Session::Session(const std::filesystem::path& settingsPath)
    : settingsPath_(Absolute(settingsPath)) {}

std::filesystem::path Session::SettingsFileIn(const std::filesystem::path& directory) {
    return directory / kSettingsFileName;
}

void Session::Start(MainFormInputs& form, Notifier& notifier) {
    ReadSettings(form, notifier);
    Begin(form);
}

void Session::ReadSettings(MainFormInputs& form, Notifier& notifier) {
    LoadStartUpSettings(settingsPath_, form, notifier);
}

void Session::Begin(const MainFormInputs& form) {
    state_ = StartUpState(form);
    fit_ = FitStatus::None;
}

bool Session::SaveSettings(const MainFormInputs& form, Notifier& notifier) const {
    return SaveSettingsAtClose(settingsPath_, form, notifier);
}

CalculateResult Session::Calculate(MainFormInputs& form, TextSink& picture, Notifier& notifier) {
    CalculateResult result = kestrova::Calculate(state_, form, picture, notifier);
    state_.calculated = 1;
    fit_ =
        result.outcome == CalculateOutcome::Completed ? FitStatus::Current : FitStatus::OutOfDate;
    Tell(SessionChange::Fit);
    return result;
}

bool Session::CalculateThen(MainFormInputs& form, Notifier& notifier,
                            const std::function<void(ModelState&)>& then) {
    LineBuffer picture;
    if (Calculate(form, picture, notifier).outcome != CalculateOutcome::Completed) {
        return false;
    }
    then(state_);
    return true;
}

bool Session::FitCanBeReported(Notifier& notifier) const {
    if (fit_ == FitStatus::OutOfDate) {
        notifier.Show(kReportOutOfDateMessage);
        return false;
    }
    return true;
}

void Session::SetGraphScale(int scale) {
    state_.graphScale = scale;
    Tell(SessionChange::Options);
}

void Session::SetGraphUnits(const std::string& units) {
    state_.graphUnits = units;
    Tell(SessionChange::Options);
}

void Session::SetWeightKg(double kilograms) {
    state_.weightKg = kilograms;
    Tell(SessionChange::Options);
}

void WriteOutOfDate(TextSink& sink) {
    sink.Write(kOutOfDateText);
    sink.EndLine();
}

void Session::Tell(SessionChange change) const {
    if (listener_) {
        listener_(change);
    }
}

}  // namespace kestrova
