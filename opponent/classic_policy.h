#pragma once

#include "model/call_list.h"
#include "model/rule_options.h"
#include "opponent/call_planning.h"
#include "opponent/computer_judgement.h"
#include "opponent/engine/engine.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

class RandomSource;

// A call of the computer with the shape score the table records with it (after a throw, a call
// without its kicker keeps the score of the five dice).
struct ComputerCall {
    CallDigits dice{};
    int level = 0;
    bool operator==(const ComputerCall&) const = default;
};

struct CallChance {
    ComputerCall call;
    double chance = 0.0;
};
// Each call at most once.
using CallChances = std::vector<CallChance>;

// The computer throws unless its hold is all of its dice.
bool throwsAgain(std::string_view hold, std::string_view dice);

// The dice after the computer's throw: the hold's digits, then one random die for each place left.
std::string throwAroundHold(std::string_view hold, RandomSource& random);

// The call on the computer's own dice (`thrown`: after a throw), or nothing when they do not beat
// `last` (shape score `lastLevel`). After a throw, two pairs and three of a kind go out without
// their kicker while that shorter call still beats `last`; dice kept without a throw are called as
// they are.
std::optional<ComputerCall> honestCall(std::string_view dice, bool thrown,
                                       std::span<const int> last, int lastLevel);

// The computer's call on its own dice when they beat `last`: `dice` are the hold and what it threw,
// or the hold itself when it threw nothing.
std::optional<ComputerCall> honestAnswer(std::string_view hold, std::string_view dice,
                                         std::span<const int> last, int lastLevel);

// What a bluff search ends with: the candidate it found, or, when it ran into its bound, the
// weakest call that beats `last`.
ComputerCall settledBluff(const BluffResult& searched, std::span<const int> last, int lastLevel);

// The exact distribution of one bluff candidate built on `hold`.
CallChances bluffCandidateChances(std::string_view hold);

// The exact distribution of what the bluff search ends with, given its candidates' distribution:
// candidates are drawn independently until one beats `last`, `bound` at most, so each call that
// beats it comes out in proportion to its chance, and after `bound` refusals the search settles.
CallChances bluffOutcomeChances(const CallChances& candidates, std::span<const int> last,
                                int lastLevel, int bound);

// The computer's play for a player it has not learnt anything about (an empty profile, which the
// profile's correction never reaches), as functions of the position.
class ClassicPolicy {
public:
    explicit ClassicPolicy(RuleOptions options) : options_(options) {}

    RuleOptions options() const { return options_; }

    // Whether the computer trusts the player's `call` (canonical order, 0 = empty place), made
    // with the fixed dice `playerFix` (empty when the player called without throwing).
    bool trusts(const CallDigits& call, std::string_view playerFix) const;
    // The engine's judgement of that call, which the profile then corrects.
    JudgedCall judge(const CallDigits& call, std::string_view playerFix) const;

    // The dice the computer keeps of the player's `dice` after trusting `call`, the player's fixed
    // dice being `playerFix`.
    std::string hold(std::string_view call, std::string_view dice,
                     std::string_view playerFix) const;

    // The exact distribution of the computer's call after keeping `hold` and ending with `dice`
    // (the hold plus what it threw, or the hold itself when it threw nothing), against the player's
    // call `last`.
    CallChances callChances(std::string_view hold, std::string_view dice, const CallDigits& last,
                            int lastLevel) const;

private:
    RuleOptions options_;
    Form1 engine_;
};

} // namespace quintel
