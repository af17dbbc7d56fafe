#pragma once

#include "opponent/engine/chance.h"
#include "opponent/engine/engine_options.h"

#include <string>
#include <string_view>

namespace quintel {

class HistorySink;

struct HoldChoice {
    std::string hold; // digits of the dice to keep, empty to throw all five
    Chance chance;    // of beating the call with that hold
};

// The probability engine of the computer opponent. Texts are digits 1..6; a '0' in a text is an
// empty position, not a die. Holds and fixed dice are 0..5 dice, calls 1..5 dice. Every answer
// depends on the arguments alone.
class Form1 {
public:
    // With a sink, Prob1 traces each call for the hold 554 into it.
    explicit Form1(HistorySink* history = nullptr);

    // Keeping strHold and throwing the rest gives a strictly higher shape class than strCall.
    Chance Prob1(std::string_view strHold, std::string_view strCall) const;
    // Keeping strFix and throwing the rest gives five dice that contain every die of strCall.
    Chance Prob2(std::string_view strFix, std::string_view strCall) const;
    // Keeping strHold gives a hand of strCall's shape class that beats strCall.
    Chance SameLevel(std::string_view strHold, std::string_view strCall) const;
    // Keeping `hold` gives five dice that beat `call`: SameLevel + Prob1.
    Chance beatChance(std::string_view hold, std::string_view call) const;

    // The best dice to keep of strDice against strCall. `choose` is NewCalProb's intChoose != 0:
    // false asks for the hold (the dice are put in canonical order first, and keeping all five
    // dice that already beat the call wins when the best hold is of a lower shape class), true
    // asks only for the chance.
    HoldChoice searchHold(std::string_view strCall, std::string_view strDice,
                          std::string_view strFix, bool choose, EngineOptions options) const;
    // The hold's digits for intChoose 0, otherwise its chance as number text.
    std::string NewCalProb(std::string_view strCall, std::string_view strDice,
                           std::string_view strFix, int intChoose, EngineOptions options) const;

private:
    HistorySink* history_;
};

} // namespace quintel
