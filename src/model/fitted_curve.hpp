#pragma once

#include <string>

namespace kestrova {

// What every prediction and every record time reads: the runner's fitted curve, the runner, and
// the three switches of the record curve's age grading. Calculate writes it; the rest of the
// program only reads it, so predictions take it as const.
struct FittedCurve {
    double refDist = 0.0;
    double aerobicPower = 0.0;
    double anaerobicEnergy = 0.0;
    double fadeCoef = 0.0;
    double timeOffset = 0.0;
    double piApprox = 0.0;

    // The runner.
    std::string sex;  // "m" or "f"
    double age = 0.0;
    int weeklyMiles = 0;

    // Age grading of the record curve is on when any of these is: the main window's "Use
    // age-based comparisons" value, the age table being generated, and the performance tables'
    // "Times by age for level" option.
    int agecomp = 0;
    int ageTableFlag = 0;
    bool timesByAgeSelected = false;
};

}  // namespace kestrova
