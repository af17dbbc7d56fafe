#include "forms/screen.h"

#include <cctype>
#include <utility>

namespace quintel {

void Screen::Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    design();
    Form_Load();
}

void Screen::Show() {
    Load();
    shown_ = true;
    frontRequested_ = true;
}

void Screen::Unload() {
    loaded_ = false;
    shown_ = false;
    frontRequested_ = false;
}

bool Screen::takeFrontRequest() {
    return std::exchange(frontRequested_, false);
}

namespace {

bool clickable(const Control& control) {
    const Control* frame = control.container;
    return control.click && control.enabled && control.visible &&
           (frame == nullptr || (frame->enabled && frame->visible));
}

} // namespace

std::string keyName(std::string_view key) {
    if (key.size() == 1 && std::isalpha(static_cast<unsigned char>(key[0])) != 0) {
        return {static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])))};
    }
    if (key == "Escape") {
        return "Esc";
    }
    if (key == "Enter") {
        return "Return";
    }
    return std::string(key);
}

bool Screen::pressKey(std::string_view key) {
    if (!shown()) {
        return false;
    }
    const std::string name = keyName(key);
    for (Control* control : controls()) {
        if (control->shortcut == name && clickable(*control)) {
            // A copy: the click may design the screen afresh and replace the control's callback.
            const auto click = control->click;
            click();
            return true;
        }
    }
    return otherKey(name);
}

std::vector<Screen::KeyUse> Screen::shortcutList() {
    std::vector<KeyUse> keys;
    for (const Control* control : controls()) {
        if (!control->shortcut.empty()) {
            keys.push_back({control->shortcut, control->tooltip});
        }
    }
    return keys;
}

} // namespace quintel
