#pragma once

#include <string>
#include <string_view>

namespace quintel {

// The two seats at the table; their numbers are those of CurrentPlayer.
enum class Seat { Human = 0, Computer = 1 };

// How a game was decided: one seat did not trust the other's last call, the dice were shown, and
// the challenger won unless they held every die of the call.
struct GameOutcome {
    Seat challenger = Seat::Human;
    Seat winner = Seat::Human;
    std::string call; // the challenged call, one digit per called die
    std::string dice; // the five dice that were shown

    // Whether the dice held the call, so that the caller won.
    bool callHeld() const { return winner != challenger; }
    bool operator==(const GameOutcome&) const = default;
};

// The message that tells the player the result of `outcome`.
std::string_view resultText(const GameOutcome& outcome);

} // namespace quintel
