#pragma once

#include <QObject>

#include "session/session.hpp"

namespace kestrova {

// The session's changes as Qt signals, which every open output window follows: the fit changed
// (a Calculate completed, or stopped on a message) or a window's own options changed (graph
// scale or units, the weight). It is the session's one listener while it lives.
class SessionSignals : public QObject {
    Q_OBJECT

  public:
    explicit SessionSignals(Session& session, QObject* parent = nullptr);
    ~SessionSignals() override;
    SessionSignals(const SessionSignals&) = delete;
    SessionSignals& operator=(const SessionSignals&) = delete;

    FitStatus Fit() const { return session_.Fit(); }

  signals:
    void fitChanged();
    void optionsChanged();

  private:
    Session& session_;
};

}  // namespace kestrova
