#pragma once

#include <string>

namespace quintel {

// The two seats at the table. The player's seat opens every game; the computer's answers.
enum class Seat { Human = 0, Computer = 1 };

constexpr Seat otherSeat(Seat seat) {
    return seat == Seat::Human ? Seat::Computer : Seat::Human;
}

// How a game was decided: one seat did not trust the other's last call, the dice were shown, and
// the challenger won unless they held every die of the call.
struct GameOutcome {
    Seat challenger = Seat::Human;
    Seat winner = Seat::Human;
    std::string call; // the challenged call, one digit per called die
    std::string dice; // the five dice that were shown, in their places
    // The loser broke a rule (an outside engine's refused answer): nothing was challenged, and
    // `call` is the last call on the table, if any.
    bool forfeit = false;

    // Whether the dice held the call, so that the caller won.
    bool callHeld() const { return winner != challenger; }
    bool operator==(const GameOutcome&) const = default;
};

} // namespace quintel
