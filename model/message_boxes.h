#pragma once

#include <string_view>

namespace quintel {

inline constexpr std::string_view kAppTitle = "Quintel";

// A question's default button is Yes, or No where going on by habit would lose something.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes titled "Quintel". The desktop shows real dialogs; tests answer from a script.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(std::string_view text, MessageButtons buttons) = 0;

    void inform(std::string_view text) { show(text, MessageButtons::Ok); }
    bool ask(std::string_view text) {
        return show(text, MessageButtons::YesNo) == MessageAnswer::Yes;
    }
    // A question whose default answer is No.
    bool askDefaultNo(std::string_view text) {
        return show(text, MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes;
    }
};

} // namespace quintel
