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

// A question with two answers, asked in a modal box with two buttons: `accept` (the answer that
// goes ahead, such as "Replace") and `reject` (the one that changes nothing, such as "Cancel").
struct Question {
    std::string text;
    std::string caption;
    std::string accept;
    std::string reject;

    bool operator==(const Question&) const = default;
};

// Shows messages to the user and asks questions. The window shows a modal box and returns when it
// is closed; core code never pops a window itself.
class Notifier {
  public:
    virtual ~Notifier() = default;
    virtual void Show(const Message& message) = 0;
    // Asks and waits for the answer: true when the user chose `accept`. Closing the box without
    // a choice is `reject`.
    virtual bool Ask(const Question& question) = 0;

    void Show(std::string_view text, std::string_view caption = {}, bool beep = false) {
        Show(Message{std::string(text), std::string(caption), beep});
    }
};

// Keeps every message and question in order (tests, and the command line before it prints
// them). Questions are answered with the answer set by AnswerWith, `reject` until then.
class RecordingNotifier : public Notifier {
  public:
    using Notifier::Show;
    void Show(const Message& message) override { messages_.push_back(message); }
    bool Ask(const Question& question) override {
        questions_.push_back(question);
        return answer_;
    }
    const std::vector<Message>& Messages() const { return messages_; }
    const std::vector<Question>& Questions() const { return questions_; }
    void AnswerWith(bool accept) { answer_ = accept; }
    void Clear() {
        messages_.clear();
        questions_.clear();
    }

  private:
    std::vector<Message> messages_;
    std::vector<Question> questions_;
    bool answer_ = false;
};

}  // namespace kestrova
