#pragma once

#include <ostream>

#include "model/notifier.hpp"

namespace kestrova {

// Writes each message as one line, "CAPTION: TEXT" or "TEXT" when it has no caption. Nobody
// answers on a command line: a question is written as a message and answered with `reject`, so
// nothing is replaced unasked.
class StreamNotifier : public Notifier {
  public:
    explicit StreamNotifier(std::ostream& out) : out_(out) {}
    using Notifier::Show;
    void Show(const Message& message) override;
    bool Ask(const Question& question) override;

  private:
    std::ostream& out_;
};

}  // namespace kestrova
