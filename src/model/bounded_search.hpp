#pragma once

namespace kestrova {

// How a bounded loop ended.
struct BoundedLoop {
    int passes = 0;         // passes made
    bool finished = false;  // false when the pass limit stopped it
};

// Runs `pass` (a callable returning true when the loop is done) at most maxPasses times. Every
// iterating solver goes through this, so no input can keep the program busy.
template <typename Pass>
BoundedLoop RunBounded(int maxPasses, Pass&& pass) {
    for (int done = 0; done < maxPasses; ++done) {
        if (pass()) {
            return {done + 1, true};
        }
    }
    return {maxPasses, false};
}

}  // namespace kestrova
