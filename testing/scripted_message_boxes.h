#pragma once

#include "model/message_boxes.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

// Message boxes for tests: answers come from a script, and every box shown is recorded. When the
// script runs dry a Yes/No box is answered No and an OK box OK, so a test that forgets an answer
// ends the game instead of looping.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        MessageButtons buttons;
    };

    std::deque<MessageAnswer> answers;
    std::vector<Shown> shown;

    MessageAnswer show(std::string_view text, MessageButtons buttons) override {
        shown.push_back({std::string(text), buttons});
        if (answers.empty()) {
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void answer(MessageAnswer next) { answers.push_back(next); }

    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const Shown& box : shown) {
            all.push_back(box.text);
        }
        return all;
    }

    void clear() {
        answers.clear();
        shown.clear();
    }
};

} // namespace quintel
