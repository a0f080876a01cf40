#pragma once

#include <string>
#include <vector>

#include "analyses/best_efforts.hpp"
#include "files/activity/activity.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// What can go into a race row from an activity: the whole run or one best effort.
struct ActivityChoice {
    std::string label;  // "Whole activity", "5 km", ...
    double meters = 0.0;
    double seconds = 0.0;
};

// A time to the tenth of a second: "1:22.4", "41:07.0", "1:02:03.5".
std::string TenthsTimeText(double seconds);

// The whole activity (its distance and elapsed time: a race is timed from gun to line) first,
// then each best effort.
std::vector<ActivityChoice> ActivityChoices(const Activity& activity,
                                            const std::vector<BestEffort>& efforts);

// A choice as the import window lists it: "5 km: 20:50.0  (5 km)", the time and what the race
// row will get.
std::string ChoiceLine(const ActivityChoice& choice);

// The activity as the import window and `kestrova-cli activity` show it: the file, date,
// distance, elapsed and moving time, notes on left-out points and gaps, then the best efforts
// with their times, paces per kilometre and where in the run they start.
void WriteActivity(TextSink& sink, const std::string& fileName, const Activity& activity,
                   const std::vector<BestEffort>& efforts);

}  // namespace kestrova
