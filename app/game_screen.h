#pragma once

#include "forms/screen.h"

namespace quintel {

class Game;

// A screen of the game: it presents the game's table and acts on it.
class GameScreen : public Screen {
public:
    explicit GameScreen(Game& game) : game_(game) {}

protected:
    Game& game() { return game_; }
    const Game& game() const { return game_; }

private:
    Game& game_;
};

} // namespace quintel
