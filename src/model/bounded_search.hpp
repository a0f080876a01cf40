#pragma once

#include <cmath>
#include <optional>

namespace kestrova {

// How a bounded loop ended.
struct BoundedLoop {
    int passes = 0;         // passes made
    bool finished = false;  // false when the pass limit stopped it
};

// Runs `pass` (a callable returning true when the loop is done) at most maxPasses times. Every
// iterating solver goes through this (or StepUntil), so no input can keep the program busy.
template <typename Pass>
BoundedLoop RunBounded(int maxPasses, Pass&& pass) {
    for (int done = 0; done < maxPasses; ++done) {
        if (pass()) {
            return {done + 1, true};
        }
    }
    return {maxPasses, false};
}

// Steps x from `start` by `step` until reached(x) holds and returns that x, or nothing when
// maxPasses steps do not reach it or x stops being finite (the quantity behind `reached` has no
// answer there).
template <typename Reached>
std::optional<double> StepUntil(double start, double step, int maxPasses, Reached&& reached) {
    double x = start;
    for (int pass = 0; pass < maxPasses && std::isfinite(x); ++pass) {
        if (reached(x)) {
            return x;
        }
        x += step;
    }
    return std::nullopt;
}

}  // namespace kestrova
