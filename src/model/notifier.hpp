#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

// One modal message: its text, its caption (empty for the program's own title) and whether a
// beep goes before it.
struct Message {
    std::string text;
    std::string caption;
    bool beep = false;

    bool operator==(const Message&) const = default;
};

// Shows messages to the user. The window shows a modal box and returns when it is closed; core
// code never pops a window itself.
class Notifier {
  public:
    virtual ~Notifier() = default;
    virtual void Show(const Message& message) = 0;

    void Show(std::string_view text, std::string_view caption = {}, bool beep = false) {
        Show(Message{std::string(text), std::string(caption), beep});
    }
};

// Keeps every message in order (tests, and the command line before it prints them).
class RecordingNotifier : public Notifier {
  public:
    using Notifier::Show;
    void Show(const Message& message) override { messages_.push_back(message); }
    const std::vector<Message>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

  private:
    std::vector<Message> messages_;
};

}  // namespace kestrova
