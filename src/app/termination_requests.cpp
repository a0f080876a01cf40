#include "app/termination_requests.hpp"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>

namespace kestrova {
namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};

// The write end of the one object's socket pair, for the handler (a handler takes no context).
volatile std::sig_atomic_t writeEnd = -1;

extern "C" void RequestTermination(int /*signal*/) {
    const char byte = 1;
    // Only async-signal-safe calls here; a full socket already holds a pending request.
    [[maybe_unused]] const ssize_t written = ::write(static_cast<int>(writeEnd), &byte, 1);
}

}  // namespace

TerminationRequests::TerminationRequests(std::function<void()> end) : end_(std::move(end)) {
    if (writeEnd != -1 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets_) != 0) {
        return;  // another object already listens, or no socket: the signals keep their handlers
    }
    writeEnd = sockets_[0];
    notifier_ = std::make_unique<QSocketNotifier>(sockets_[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationRequests::Receive);
    struct sigaction action = {};
    action.sa_handler = RequestTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &previous_[i]);
    }
    installed_ = true;
}

TerminationRequests::~TerminationRequests() {
    RestoreHandlers();
    notifier_.reset();
    for (const int socket : sockets_) {
        if (socket != -1) {
            ::close(socket);
        }
    }
}

void TerminationRequests::RestoreHandlers() {
    if (!installed_) {
        return;
    }
    installed_ = false;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &previous_[i], nullptr);
    }
    writeEnd = -1;
}

void TerminationRequests::Receive() {
    char bytes[16];
    [[maybe_unused]] const ssize_t read = ::read(sockets_[1], bytes, sizeof bytes);
    RestoreHandlers();
    end_();
}

}  // namespace kestrova
