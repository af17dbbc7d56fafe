#pragma once

// The extensive form of the dice game, built straight from its rules and written down in sequence
// form. A seat knows everything that happened in the open (calls, answers, the dice handed over
// at each trust, the dice kept) and the values it threw itself; seat 0 is the seat whose payoff
// the form gives.

#include "model/rule_options.h"
#include "testing/whole_game/sequence_form.h"
#include "testing/whole_game/variant_rules.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace quintel::wholegame {

// A seat has just trusted `lastCall` and taken over `dice` (known to both seats now); `locked`
// are the dice the previous caller kept when it threw (none if it never threw).
struct Position {
    Counts lastCall{};
    Counts dice{};
    Counts locked{};
};

// The order in which calls, kept dice, throws and answers are written down; with a seed they
// are shuffled, which must not change any value.
struct TreeOrder {
    std::optional<unsigned> shuffleSeed;
};

// The chance of winning of the seat that has just trusted in a position. Given to a builder, it
// ends the tree at every hand-over of the dice below the root with that value as the payoff;
// without it the tree goes on to the end of every game.
using PositionValue = std::function<double(const Position&)>;

// The whole game: seat 0 throws first and announces the first call.
SequenceForm openingGame(const Variant& variant, RuleOptions options, TreeOrder order = {},
                         const PositionValue& laterPositions = {});

// What a seat decides at one of its information sets, and what it knows there, so that a
// strategy given by what a seat sees can be written down as a realization plan. The set's
// sequences are its actions in the order listed.
struct Decision {
    enum class Kind {
        Call,   // the holder of the dice announces one of `calls`
        Answer, // the other seat challenges (first sequence) or trusts (second) `call`
        Change, // the seat that trusted calls at once (a choice without kept dice) or keeps
    };
    Kind kind = Kind::Call;
    bool opening = false; // no call before: `lastCall` is empty
    Counts lastCall{};
    // Call: the caller's dice after its throw, or the dice it took over when it calls at once.
    // Answer: those dice where the answering seat knows them (a call at once), else empty.
    // Change: the dice taken over.
    Counts dice{};
    // Call and Answer: the dice the caller kept before its throw (its locked dice when it called
    // at once). Change: the locked dice.
    Counts kept{};
    bool threw = true;         // Call and Answer: the caller threw before calling
    Counts call{};             // Answer: the call answered
    std::vector<Counts> calls; // Call: the calls, in the order of the set's sequences
    struct Choice {
        bool callAtOnce = true;
        Counts kept{};
    };
    std::vector<Choice> choices; // Change: in the order of the set's sequences
    // The calls trusted so far in the game, the first the opening's, and so the seats' turns in
    // order: what both seats know of the game before this decision.
    struct Turn {
        Counts call{};
        Counts kept{}; // the dice kept before the throw, or the locked dice of a call at once
        bool threw = true;
        Counts dice{}; // the dice handed over with the call
    };
    std::vector<Turn> turns;
};

struct LabelledGame {
    SequenceForm form;
    std::array<std::vector<Decision>, 2> decisions; // per seat, by information set
};

// The whole game with what each information set decides.
LabelledGame labelledOpeningGame(const Variant& variant, RuleOptions options);

// The game from a position: seat 0 is the seat that has just trusted. Throws
// std::invalid_argument when the position is impossible: the last call is not a call of the
// variant or cannot be beaten, or the dice are not a whole throw.
SequenceForm positionGame(const Variant& variant, RuleOptions options, const Position& position,
                          TreeOrder order = {}, const PositionValue& laterPositions = {});

} // namespace quintel::wholegame
