#include "session/team_runner.hpp"

#include <algorithm>
#include <utility>

#include "analyses/training_analysis.hpp"
#include "model/number_reader.hpp"
#include "model/prediction_table.hpp"
#include "session/session.hpp"

namespace kestrova {
namespace {

std::string MessageText(const Message& message) {
    return message.caption.empty() ? message.text : message.caption + ": " + message.text;
}

}  // namespace

std::optional<std::vector<TeamDistance>> ReadTeamDistances(std::string_view list,
                                                           std::string& why) {
    std::vector<TeamDistance> distances;
    std::size_t start = 0;
    while (start <= list.size()) {  // each pass takes one name and moves past its comma
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name(list.substr(start, comma - start));
        RaceRowInputs row;
        if (SetRaceRow(row, name, "1")) {
            why = "'" + name + "' is not a distance such as 5km, 10000m, 3mi, 880yd, mara or hmara";
            return std::nullopt;
        }
        distances.push_back(
            {name, RaceDistanceMeters(ReadAsNumber(row.Text4), row.SelectedUnit())});
        start = comma + 1;
    }
    return distances;
}

TeamResult FitTeamRunner(const TeamRunnerInputs& runner,
                         const std::vector<TeamDistance>& distances) {
    TeamResult result;
    result.name = runner.name;
    if (!runner.error.empty()) {
        result.error = runner.error;
        return result;
    }
    MainFormInputs form = runner.form;
    Session session{std::filesystem::path()};
    session.Begin(form);
    RecordingNotifier notifier;
    const bool fitted = session.CalculateThen(form, notifier, [&](ModelState& state) {
        // The analysis writes only its own results; the predictions read the curve alone.
        const TrainingAnalysis analysis = ComputeTrainingAnalysis(state);
        result.vo2Max = analysis.vo2Max;
        result.bestKm = analysis.bestKm;
        const double level = form.HScroll2 / 1000.0;
        for (const TeamDistance& distance : distances) {
            const PredictionRow row =
                EvaluatePredictionRow(state, distance.name, distance.meters, level);
            result.predictions.push_back({row.prediction.raceTime, row.perfLevel * 100.0});
        }
    });
    if (!fitted) {
        result.error = notifier.Messages().empty() ? std::string("the runner was refused")
                                                   : MessageText(notifier.Messages().back());
    }
    return result;
}

}  // namespace kestrova
