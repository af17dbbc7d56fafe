#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace quintel {

enum class ControlKind {
    Label,
    TextBox,
    Button,
    CheckBox,
    OptionButton,
    PictureBox,
    Image,
    Frame,
    Timer
};

// Place and size in twips (15 twips to a pixel at 96 dots per inch).
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kTwipsPerPixel = 15;

// The state of one control of a screen. The screen owns it; a desktop view only mirrors it and
// forwards what the player does through `click` and `edited`.
struct Control {
    std::string name;
    int index = -1; // position in a control array, -1 for a single control
    ControlKind kind = ControlKind::Label;
    std::string caption; // caption of a button or label, text of a text box
    Place place;
    bool enabled = true;
    bool visible = true;
    bool value = false;                 // a check box's tick or an option button's selection
    int tabOrder = -1;                  // -1: not a tab stop
    const Control* container = nullptr; // frame holding an option button; place is relative to it
    // A key the player may press instead of clicking, named as a desktop names it ("C", "1",
    // "Esc", "Return"); empty for none. See Screen::pressKey.
    std::string shortcut;
    std::string tooltip; // what the control does, with its key, for a hover hint; empty for none
    // A text box's last lines that show what has just happened, drawn highlighted; 0 for none.
    int highlightedLines = 0;

    std::function<void()> click;                  // what a click does; empty for none
    std::function<void(std::string)> edited = {}; // text typed into a text box
};

// Gives a control its key and a hover hint that names it: "Call" and "C" give "Call (C)".
inline void giveKey(Control& control, std::string key, std::string_view what) {
    control.tooltip = std::string(what) + " (" + key + ")";
    control.shortcut = std::move(key);
}

// How a control starts out, besides its name, caption and place.
struct ControlLook {
    bool enabled = true;
    bool visible = true;
    int tabOrder = -1;
};

// Gives a control its design state, dropping what it held before; the screen wires its callbacks
// afterwards.
inline void designControl(Control& control, std::string name, int index, ControlKind kind,
                          std::string caption, Place place, ControlLook look = {}) {
    control = Control{};
    control.name = std::move(name);
    control.index = index;
    control.kind = kind;
    control.caption = std::move(caption);
    control.place = place;
    control.enabled = look.enabled;
    control.visible = look.visible;
    control.tabOrder = look.tabOrder;
}

} // namespace quintel
