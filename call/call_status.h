#pragma once

#include <optional>
#include <string>

namespace quintel {

// What the call dialog's status line reports.
struct CallFacts {
    std::string composed; // the composed call in canonical order; empty for none
    int composedDice = 0; // how many dice the grid names, also past five
    std::string dice;     // the player's dice on the table
    std::string lastCall; // the call to beat; empty when the call opens the game
    // The weakest call that beats `lastCall`; none when nothing does.
    std::optional<std::string> weakest;
    bool beatsLast = true; // the composed call beats `lastCall`
};

// "Your call: 664, a pair of sixes — your dice 66432 — the weakest call you may make: 6643"
std::string callStatus(const CallFacts& facts);

// What the status line says beside the message that refuses a call of `composedDice` dice (none,
// or more than five), in plain words with what to do.
std::string refusedCallStatus(int composedDice);

} // namespace quintel
