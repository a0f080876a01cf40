#pragma once

#include <QObject>
#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace kestrova {

// Turns the signals that ask a desktop program to end (SIGTERM at logout or from `kill`, SIGHUP
// when its terminal goes away, SIGINT from Ctrl+C in a terminal) into a call of `end` on the
// event loop, so the program ends as "Exit" ends it: the main window closes and writes the
// settings file first, and nothing typed since the start is lost.
//
// The signal handler only writes a byte into a socket pair; the event loop reads it and calls
// `end`. The previous handlers come back with the first request (a second signal then ends the
// program at once, should the first not be able to) or when this object goes.
class TerminationRequests : public QObject {
  public:
    explicit TerminationRequests(std::function<void()> end);
    ~TerminationRequests() override;

    TerminationRequests(const TerminationRequests&) = delete;
    TerminationRequests& operator=(const TerminationRequests&) = delete;

  private:
    void Receive();
    void RestoreHandlers();

    std::function<void()> end_;
    int sockets_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_[3] = {};
    bool installed_ = false;
};

}  // namespace kestrova
