#pragma once

#include "model/call_list.h"
#include "model/dice.h"
#include "model/keep_rules.h"
#include "opponent/engine/engine_options.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quintel {

class Form1;
class RandomSource;

// Every die of `call` (digits, zeros ignored) is among `dice`: the call is literally true.
bool callCovered(std::string_view call, std::string_view dice);

// The dice the computer keeps after trusting the player's call `call` on the player's `dice`,
// `locked` being the fixed dice that "Fix Permanent" locks (the player's kept dice, or after a
// call at once the fixed dice as they stood). It plans the hold with the engine's search when
// the call is among the dice or any die may be kept; otherwise it keeps only what it must: the
// locked dice under "Fix Permanent", nothing without it. The hold always keeps to the rules of
// the throw, as the player's must.
std::string chooseHold(const Form1& engine, std::string_view call, std::string_view dice,
                       std::string_view locked, EngineOptions options);

// `hold` brought within `range`: its dice in order while their face is allowed more, then dice of
// `dice` (in order) of each face that must be kept more often.
std::string keptWithinRules(std::string_view hold, std::string_view dice, const KeepRange& range);

// The weakest call of one to five dice that beats `last` (shape score `lastLevel`), or nothing
// when no call can (five aces).
std::optional<CallDigits> weakestCallBeating(std::span<const int> last, int lastLevel);

struct BluffResult {
    CallDigits dice{};  // the last candidate drawn, in canonical order
    int level = 0;      // its shape score
    int drawn = 0;      // candidates drawn
    bool found = false; // the last candidate beats the last call
};

// A bluff candidate: the hold's digits, then `drawn` dice up to place `lastPlace` (4: a five-dice
// call, 3: a four-dice call, whose fifth place stays empty), in canonical order.
CallDigits bluffCandidate(std::string_view hold, std::size_t lastPlace, std::span<const int> drawn);

// How many dice a candidate up to place `lastPlace` draws after the hold's digits.
std::size_t bluffDiceDrawn(std::string_view hold, std::size_t lastPlace);

// Draws bluffs until one beats `last` (shape score `lastLevel`), `bound` at most. Each candidate
// is the hold's digits plus random dice: five dice when a draw exceeds 0.6, else four.
BluffResult bluffSearch(std::string_view hold, std::span<const int> last, int lastLevel,
                        RandomSource& random, int bound);

} // namespace quintel
