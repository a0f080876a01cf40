#include "model/input_stage.hpp"

#include <cmath>

#include "model/endurance_factor.hpp"
#include "model/middle_distance_bump.hpp"
#include "model/number_text.hpp"
#include "model/race_entry.hpp"
#include "model/time_adjustment.hpp"

namespace kestrova {
namespace {

constexpr double kFastestSpeed = 12.0;
constexpr double kSlowestSpeed = 0.5;

std::string RowMessage(const char* text, int row) {
    return text + NumberText(row + 1);
}

// Records a checked row in slot n in the order the checks need its values, and returns the
// first validation failure, or nothing when the row is sound. A row that fails leaves the values
// recorded up to its check.
const char* RecordRow(ModelState& state, int n, const RaceEntry& entry) {
    state.adjTime[n] = entry.timeSeconds;
    state.entryTime[n] = entry.timeSeconds;
    if (entry.timeSeconds == 0.0) {
        return "Bad time entry in row #";
    }
    state.raceTime[n] = entry.timeSeconds;
    state.raceDist[n] = entry.distanceMeters;
    state.entryDist[n] = entry.distanceMeters;
    if (entry.distanceMeters == 0.0) {
        return "Bad distance entry in row #";
    }
    if (entry.distanceMeters > kLongestRaceMeters) {
        return kTooLongMessage;
    }
    // A negative time or distance is a row too slow to be a race, also when both are negative
    // (whose quotient alone would look like a sound speed).
    double speed = state.raceDist[n] / state.adjTime[n];
    if (state.raceDist[n] < 0.0 || state.adjTime[n] < 0.0) {
        speed = -std::fabs(speed);
    }
    if (speed > kFastestSpeed) {
        return "Way too fast in row #";
    }
    // Also catches a speed that is not a number (times or distances beyond the double range).
    if (!(speed >= kSlowestSpeed)) {
        return "Way too slow in row #";
    }
    return nullptr;
}

void SwapSlots(ModelState& state, RaceList& races, int a, int b) {
    std::swap(state.raceDist[a], state.raceDist[b]);
    std::swap(state.adjTime[a], state.adjTime[b]);
    std::swap(state.raceTime[a], state.raceTime[b]);
    std::swap(races.labels[a], races.labels[b]);
}

// Removes slot `slot` by moving the slots above it down by one; the top slot keeps its value.
void RemoveSlot(ModelState& state, RaceList& races, int slot) {
    for (int k = slot; k < races.count; ++k) {
        state.raceDist[k] = state.raceDist[k + 1];
        state.adjTime[k] = state.adjTime[k + 1];
        state.raceTime[k] = state.raceTime[k + 1];
        races.labels[k] = races.labels[k + 1];
    }
    races.count -= 1;
}

double AdjustedSpeed(const ModelState& state, int slot) {
    return state.raceDist[slot] / state.adjTime[slot];
}

}  // namespace

bool ReadRaceRows(ModelState& state, const MainFormInputs& form, RaceList& races,
                  Notifier& notifier) {
    races.count = 0;
    for (int row = 0; row < kRaceRowCount; ++row) {
        const RaceEntry entry = ReadRaceEntry(form.rows[static_cast<std::size_t>(row)]);
        if (!entry.use) {
            continue;
        }
        const int n = ++races.count;
        if (const char* failure = RecordRow(state, n, entry)) {
            notifier.Show(RowMessage(failure, row));
            return false;
        }
        races.labels[static_cast<std::size_t>(n)] = entry.Label();
    }
    return true;
}

void AdjustRaceTimes(ModelState& state, const RaceList& races) {
    for (int i = 1; i <= races.count; ++i) {
        const double d = state.raceDist[i];
        double t = state.adjTime[i];
        if (d < kShortRaceDistance) {
            t += std::pow((kShortRaceDistance - d) / kShortRaceDistance, kShortRaceExponent);
        }
        t *= MiddleDistanceBump(d, state.piApprox);
        t -= state.timeOffset;
        if (d > kFadeStartDistance) {
            t *= EnduranceFactor(d, state.fadeCoef, 1.0, state.sex);
        }
        state.adjTime[i] = t;
    }
}

void SortRacesByDistance(ModelState& state, RaceList& races) {
    // Each pass moves the longest unsorted race to its place, so count passes always suffice.
    for (int pass = 0; pass <= races.count; ++pass) {
        bool swapped = false;
        for (int i = 1; i < races.count; ++i) {
            if (state.raceDist[i] > state.raceDist[i + 1]) {
                SwapSlots(state, races, i, i + 1);
                swapped = true;
            }
        }
        if (!swapped) {
            return;
        }
    }
}

void OmitSlowerPacedRaces(ModelState& state, RaceList& races, Notifier& notifier) {
    if (races.count == 1) {
        return;
    }
    // Every pass either keeps race i and moves on or removes one race, so the passes are bounded
    // by twice the number of races.
    int i = 1;
    for (int pass = 0; pass < 2 * kRaceSlots && i < races.count; ++pass) {
        for (int j = i + 1; j <= races.count; ++j) {
            if (AdjustedSpeed(state, i) <= AdjustedSpeed(state, j)) {
                notifier.Show("Omitting" + races.labels[static_cast<std::size_t>(i)] +
                              " because it is slower paced than a longer race.");
                RemoveSlot(state, races, i);
                i -= 1;
                break;
            }
        }
        i += 1;
    }
}

void WarnAboutExtrapolation(double shortest, double longest, Notifier& notifier) {
    const char* caption = "Questionable extrapolation";
    if (longest < 1000.0) {
        notifier.Show("LONGEST RACE UNDER 1 KM - EXTRAPOLATION TO LONGER DISTANCES UNCERTAIN.",
                      caption);
    }
    if (shortest > 10000.0) {
        notifier.Show("SHORTEST RACE OVER 10 KM - EXTRAPOLATION TO SHORTER DISTANCES UNCERTAIN.",
                      caption);
    }
}

}  // namespace kestrova
