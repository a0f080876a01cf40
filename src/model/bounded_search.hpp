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
// iterating solver goes through this or the bracketing helpers below, so no input can keep the
// program busy.
template <typename Pass>
BoundedLoop RunBounded(int maxPasses, Pass&& pass) {
    for (int done = 0; done < maxPasses; ++done) {
        if (pass()) {
            return {done + 1, true};
        }
    }
    return {maxPasses, false};
}

// Doubles x from `start` until reached(x) holds and returns that x, or nothing when maxPasses
// doublings do not reach it.
template <typename Reached>
std::optional<double> DoubleUntil(double start, int maxPasses, Reached&& reached) {
    double x = start;
    for (int pass = 0; pass < maxPasses && std::isfinite(x); ++pass) {
        if (reached(x)) {
            return x;
        }
        x *= 2.0;
    }
    return std::nullopt;
}

// Narrows a bracket [low, high] of a continuous f with f(low) <= 0 <= f(high) until its width is
// at most `tolerance` times its larger end, at most maxPasses times, and returns the end where |f|
// is smaller. Each pass cuts the bracket where the straight line between its ends crosses zero,
// halving the value kept at an end that stays twice in a row (the Illinois rule, so both ends
// close in), or at its middle when that cut falls outside. The bracket always holds a zero of f.
template <typename F>
double SolveBracketed(double low, double high, int maxPasses, double tolerance, F&& f) {
    double atLow = f(low);
    double atHigh = f(high);
    int lastMoved = 0;  // -1 low, +1 high
    for (int pass = 0; pass < maxPasses; ++pass) {
        if (!(high - low > tolerance * std::fmax(std::fabs(low), std::fabs(high)))) {
            break;
        }
        double cut = low - atLow * (high - low) / (atHigh - atLow);
        if (!(cut > low && cut < high)) {
            cut = low + 0.5 * (high - low);
            if (!(cut > low && cut < high)) {
                break;
            }
        }
        const double atCut = f(cut);
        if (atCut == 0.0) {
            return cut;
        }
        if (atCut < 0.0) {
            low = cut;
            atLow = atCut;
            if (lastMoved == -1) {
                atHigh *= 0.5;
            }
            lastMoved = -1;
        } else {
            high = cut;
            atHigh = atCut;
            if (lastMoved == 1) {
                atLow *= 0.5;
            }
            lastMoved = 1;
        }
    }
    return std::fabs(atLow) <= std::fabs(atHigh) ? low : high;
}

}  // namespace kestrova
