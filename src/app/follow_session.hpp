#pragma once

#include <functional>

#include "app/window_context.hpp"

class QWidget;

namespace kestrova {

// What a window that follows the session redraws on.
enum class Follow {
    Fit,            // a Calculate completed or stopped
    FitAndOptions,  // that, and a change of a window's options (graph scale and units, weight)
};

// Calls `redraw` whenever the session changes as `what` says, for as long as `window` lives.
// Without session signals in the context (a window opened on its own) nothing is followed.
void FollowSession(QWidget& window, const WindowContext& context, Follow what,
                   std::function<void()> redraw);

// Whether the context's session says the last Calculate stopped on a message, so the state's
// curve is an older runner's and a window shows the out-of-date text instead.
bool FitIsOutOfDate(const WindowContext& context);

}  // namespace kestrova
