#pragma once

#include "match/action.h"
#include "match/outcome.h"
#include "match/seat_view.h"

#include <string_view>

namespace quintel::match {

// Where a seat writes down what it weighed, one line at a time, for the history of the game. A
// line may name the caller's dice, which the seat never sees: the table writes them in.
class SeatNotes {
public:
    virtual ~SeatNotes() = default;
    virtual void line(std::string_view text) = 0;
    // The line `before` + the caller's five dice as they lie + `after`.
    virtual void lineWithCallersDice(std::string_view before, std::string_view after) = 0;
};

// Notes nobody reads.
class NoNotes : public SeatNotes {
public:
    void line(std::string_view) override {}
    void lineWithCallersDice(std::string_view, std::string_view) override {}
};

// A player at one seat: the classic computer, the Expert, a script, an outside engine, or the
// person at the screens. It sees what the table shows its seat and answers with an action.
class Player {
public:
    virtual ~Player() = default;
    // The seat's action in `view`: one of the kinds the phase allows.
    virtual Action decide(const SeatView& view) = 0;
    // A new game begins, and a game ended with the dice shown: a player that learns may remember.
    virtual void gameStarted(Seat /*seat*/, RuleOptions /*options*/) {}
    virtual void gameDecided(Seat /*seat*/, const GameOutcome& /*outcome*/) {}
};

} // namespace quintel::match
