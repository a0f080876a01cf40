#include "app/follow_session.hpp"

#include <QWidget>

#include "app/session_signals.hpp"

namespace kestrova {

void FollowSession(QWidget& window, const WindowContext& context, Follow what,
                   std::function<void()> redraw) {
    if (context.changes == nullptr) {
        return;
    }
    QObject::connect(context.changes, &SessionSignals::fitChanged, &window, redraw);
    if (what == Follow::FitAndOptions) {
        QObject::connect(context.changes, &SessionSignals::optionsChanged, &window, redraw);
    }
}

bool FitIsOutOfDate(const WindowContext& context) {
    return context.changes != nullptr && context.changes->Fit() == FitStatus::OutOfDate;
}

}  // namespace kestrova
