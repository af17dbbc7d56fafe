#pragma once

#include "match/dice.h"
#include "match/outcome.h"
#include "match/phase.h"
#include "match/table_rules.h"
#include "model/keep_rules.h"
#include "model/rule_options.h"

#include <optional>
#include <vector>

namespace quintel::match {

// A call of the game as every seat saw it: who called what, and the dice fixed with it.
struct SeenCall {
    Seat caller = Seat::Human;
    Call call;
    Kept fixed;
    bool threw = false; // the caller threw this turn (the opening throw counts)
    int diceThrown = 0; // how many dice it threw
    bool operator==(const SeenCall&) const = default;
};

// What the table shows one seat when it is to move. It never holds the other seat's hidden
// dice: a seat sees the dice when it holds them, and knows the dice it handed over.
struct SeatView {
    Seat seat = Seat::Human;
    RuleOptions options;
    Phase phase = Phase::NoGame;
    // The call to answer, or to beat; nothing at the opening.
    std::optional<Call> lastCall;
    // The seat's own call that the other seat trusted before making the last one.
    std::optional<Call> ownLastCall;
    // The calls of the game so far, the last one last.
    std::vector<SeenCall> calls;

    // Answering, and after trusting: the caller's fixed dice, whether it threw, and, when it threw
    // no die, the dice it held (the very dice this seat handed over).
    Kept callerFixed;
    bool callerThrew = false;
    int callerDiceThrown = 0;
    std::optional<Dice> callerDice;

    // At the opening, after trusting and after a throw: the dice the seat holds, in their places.
    std::optional<Dice> dice;
    // After trusting: the rules of a throw (the dice locked by the previous caller among them).
    ChangeLayout layout{};
    KeepRange keepRange;
    Kept locked;
    bool mayTrust = false;
    // After a throw: the dice the seat kept.
    Kept kept;
};

} // namespace quintel::match
