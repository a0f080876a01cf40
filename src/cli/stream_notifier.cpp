#include "cli/stream_notifier.hpp"

namespace kestrova {

void StreamNotifier::Show(const Message& message) {
    if (!message.caption.empty()) {
        out_ << message.caption << ": ";
    }
    out_ << message.text << '\n';
    out_.flush();
}

bool StreamNotifier::Ask(const Question& question) {
    Show(Message{question.text, question.caption, false});
    return false;
}

}  // namespace kestrova
