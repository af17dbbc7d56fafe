#pragma once

#include "forms/accessible_text.h"
#include "forms/control.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

// One window of the game. A screen is a single instance that keeps its own fields for the whole
// run; loading it gives its controls their design state and runs its load handler, closing it
// removes the window (the view) while the fields stay.
class Screen {
public:
    Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
    virtual ~Screen() = default;

    std::string windowCaption;
    int clientWidth = 4680; // twips
    int clientHeight = 3795;

    bool loaded() const { return loaded_; }
    bool shown() const { return loaded_ && shown_; }

    // Loads the screen if it is not loaded yet (design state, then Form_Load).
    void Load();
    // Loads the screen if need be and shows its window, in front of the others and with the
    // focus; a window already shown comes to the front again.
    void Show();
    // Closes the window; the screen's fields keep their values.
    void Unload();
    // Whether the window should come to the front since this was last asked; asking clears it.
    bool takeFrontRequest();

    // Every control, in the order a view should create them (containers before their content).
    virtual std::vector<Control*> controls() = 0;
    // The window's close box.
    virtual void closeFromFrame() { Unload(); }

    // A line under the design area that tells the player what is going on and what to do; null
    // for a screen without one. It is none of `controls()`: the window adds its place, right
    // below the client area, to the client area's height.
    virtual Control* statusLine() { return nullptr; }
    // What assistive technology says of one of this screen's controls, as it stands now.
    virtual AccessibleText accessibleText(const Control& control) const {
        return plainAccessibleText(control);
    }

    // A key the player pressed while this screen's window had the focus, named as Control's
    // shortcut names keys. Clicks the control with that shortcut when the window is shown and the
    // control (and its frame) can be clicked: enabled and visible. Returns whether anything ran.
    bool pressKey(std::string_view key);

    // The keys of the controls that have one, in control order, with their hints; the screen
    // must be loaded.
    struct KeyUse {
        std::string key;
        std::string tooltip;
    };
    std::vector<KeyUse> shortcutList();

protected:
    virtual void design() = 0;
    // A key that no control's shortcut takes; the screen may give it a meaning of its own.
    virtual bool otherKey(std::string_view /*key*/) { return false; }
    virtual void Form_Load() {}

private:
    bool loaded_ = false;
    bool shown_ = false;
    bool frontRequested_ = false;
};

// The one name of a key: a single letter in upper case, "Escape" as "Esc", the keypad's "Enter"
// as "Return"; other names stay as they are.
std::string keyName(std::string_view key);

// The place of a status line right below a client area of this size: as wide as the area less its
// margins, and three lines of the design font high, so that the longest texts need no scrolling.
inline Place statusLinePlace(int clientWidth, int clientHeight) {
    constexpr int kMargin = 120;
    constexpr int kThreeLines = 3 * 200;
    return {kMargin, clientHeight, clientWidth - 2 * kMargin, kThreeLines};
}

// Menu entries every screen shows.
inline constexpr std::array<const char*, 3> kMenuCaptions{"Help", "Rule", "About"};

} // namespace quintel
