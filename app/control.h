#pragma once

#include <functional>
#include <string>

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

    std::function<void()> click;                  // what a click does; empty for none
    std::function<void(std::string)> edited = {}; // text typed into a text box
};

} // namespace quintel
