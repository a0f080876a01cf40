#pragma once

#include <string_view>

namespace kestrova {

// The age-adjusted speed ratio of a runner of `age` at distance d: the y with
// y = speedRatio · AgeFactor(age, d, y) / AgeFactor(age, d, 1).
//
// Five passes of that substitution settle wherever the age factor depends only mildly on the
// level, and their result is kept there. For old runners and children, and for weak levels from
// middle age on, the factor falls so steeply with the level that the substitution swings from
// one side of the answer to the other, and the answer is then found within a bracket. The equation
// has exactly one answer for every ratio a race can give (see age_adjusted_ratio.cpp), and it rises
// with the ratio, so a slower time never scores a higher level. A ratio that is not a positive
// finite number gets the five passes.
double AgeAdjustedRatio(double age, double d, double speedRatio, std::string_view sex);

// The ratio after exactly five passes of the substitution, settled or not.
double AgeAdjustedRatioFivePasses(double age, double d, double speedRatio, std::string_view sex);

}  // namespace kestrova
