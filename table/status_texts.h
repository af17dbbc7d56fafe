#pragma once

#include "table/game_outcome.h"

#include <string>
#include <string_view>

namespace quintel {

// The keys of the table's buttons, as the player presses them.
struct TableKeys {
    std::string call, change, roll, cancel, trust, notTrust;
    std::string firstDie, lastDie; // the keys that mark the first and the last die
};

// What the computer's seat did in its turn before it handed the dice over.
struct ComputerMove {
    std::string name;      // the computer's seat
    std::string kept;      // the dice it kept, as digits
    int thrown = 0;        // how many dice it threw again
    std::string call;      // its call, one digit per called die
    bool trustable = true; // a call can still beat it, so trusting it is offered
};

// How the player is choosing dice to throw again.
struct ChangeChoice {
    int marked = 0;     // dice marked to be thrown
    int selectable = 0; // dice the player may mark or unmark
};

// The table's status line in each phase of a game: whose turn it is and what the player can do
// now, hands named in words. Dice and calls are texts of digits.

// Match start: the player holds fresh dice and makes the first call.
std::string ownThrowStatus(std::string_view dice, const TableKeys& keys);
// The computer has called: what it kept, threw and called, and the player's two answers.
std::string computerCallStatus(const ComputerMove& move, const TableKeys& keys);
// The player has trusted `lastCall` and holds `dice`; also after a change was cancelled.
std::string trustedStatus(std::string_view lastCall, std::string_view dice, const TableKeys& keys);
// Between Change and Roll or Cancel.
std::string changingStatus(const ChangeChoice& choice, const TableKeys& keys);
// After Roll: `thrown` dice were thrown and the player holds `dice`.
std::string thrownStatus(int thrown, std::string_view dice, std::string_view lastCall,
                         const TableKeys& keys);
// A decided game: who did not trust which call, whether the dice held it, and who won.
// `computerName` names the computer's seat.
std::string challengeStatus(const GameOutcome& outcome, std::string_view computerName);

} // namespace quintel
