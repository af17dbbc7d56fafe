#pragma once

#include <string_view>

namespace quintel {

inline constexpr std::string_view kAppTitle = "Quintel";

enum class MessageButtons { Ok, YesNo };
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
};

} // namespace quintel
