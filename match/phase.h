#pragma once

namespace quintel::match {

// Where a game stands.
enum class Phase {
    NoGame,  // before the first game
    Opening, // the seat to move holds fresh dice and makes the game's first call
    Answer,  // the seat to move answers the other's call: trust or not
    Trusted, // it trusted and holds the dice: it calls at once, or keeps some and throws the rest
    Thrown,  // it threw: it calls
    Decided, // a seat did not trust the last call and the dice were shown
};

} // namespace quintel::match
