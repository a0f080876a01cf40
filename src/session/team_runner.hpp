#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/team_file.hpp"

namespace kestrova {

// A distance a team's predictions are made at, as its column is named ("5km", "hmara").
struct TeamDistance {
    std::string name;
    double meters = 0.0;
};

// "5km,10km,hmara,mara" as distances, or why it cannot be used.
std::optional<std::vector<TeamDistance>> ReadTeamDistances(std::string_view list, std::string& why);

// The predictions for one runner of a team, as the main window's Calculate and the analysis
// window give them.
struct TeamPrediction {
    double seconds = 0.0;       // predicted time
    double levelPercent = 0.0;  // performance level, per cent
};
struct TeamResult {
    std::string name;
    std::vector<TeamPrediction> predictions;  // one per distance asked for
    double vo2Max = 0.0;                      // ml/kg/min
    double bestKm = 0.0;                      // the likely best race distance
    std::string error;                        // why the runner was refused; empty when fitted
};

// Fits one runner in a session of its own, as Calculate does, then evaluates the curve at the
// distances and runs the training analysis. Touches nothing shared, so runners may be fitted on
// several threads at once.
TeamResult FitTeamRunner(const TeamRunnerInputs& runner,
                         const std::vector<TeamDistance>& distances);

}  // namespace kestrova
