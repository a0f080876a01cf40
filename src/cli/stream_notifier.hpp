#pragma once

#include <ostream>

#include "model/notifier.hpp"

namespace kestrova {

// Writes each message as one line, "CAPTION: TEXT" or "TEXT" when it has no caption.
class StreamNotifier : public Notifier {
  public:
    explicit StreamNotifier(std::ostream& out) : out_(out) {}
    using Notifier::Show;
    void Show(const Message& message) override;

  private:
    std::ostream& out_;
};

}  // namespace kestrova
