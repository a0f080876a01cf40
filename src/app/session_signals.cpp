#include "app/session_signals.hpp"

namespace kestrova {

SessionSignals::SessionSignals(Session& session, QObject* parent)
    : QObject(parent), session_(session) {
    session_.SetListener([this](SessionChange change) {
        if (change == SessionChange::Fit) {
            emit fitChanged();
        } else {
            emit optionsChanged();
        }
    });
}

SessionSignals::~SessionSignals() {
    session_.SetListener({});
}

}  // namespace kestrova
