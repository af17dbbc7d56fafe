#pragma once

#include "app/control.h"

#include <array>
#include <string>
#include <vector>

namespace quintel {

class Game;

// One window of the game. A screen is a single instance that keeps its own fields for the whole
// run; loading it gives its controls their design state and runs its load handler, closing it
// removes the window (the view) while the fields stay.
class Screen {
public:
    explicit Screen(Game& game) : game_(game) {}
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
    void Show();
    // Closes the window; the screen's fields keep their values.
    void Unload();

    // Every control, in the order a view should create them (containers before their content).
    virtual std::vector<Control*> controls() = 0;
    // The window's close box.
    virtual void closeFromFrame() { Unload(); }

protected:
    virtual void design() = 0;
    virtual void Form_Load() {}
    Game& game() { return game_; }
    const Game& game() const { return game_; }

private:
    Game& game_;
    bool loaded_ = false;
    bool shown_ = false;
};

// Menu entries every screen shows.
inline constexpr std::array<const char*, 3> kMenuCaptions{"Help", "Rule", "About"};

} // namespace quintel
