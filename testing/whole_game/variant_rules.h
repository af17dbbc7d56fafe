#pragma once

// The rules of the dice game for any number of faces and dice, written out here on their own so
// that the whole-game linear program shares nothing with the game's rules or the stage solver.

#include "model/dice.h"
#include "model/rule_options.h"

#include <vector>

namespace quintel::wholegame {

// Dice with faces 1..faces (1 ranks highest, then faces, faces - 1, ..., 2); a throw is `dice`
// dice. Faces 1..6 and 1..5 dice.
struct Variant {
    int faces = 6;
    int dice = 5;
    bool operator==(const Variant&) const = default;
};

// Face counts (entry 0 unused) name calls, dice and kept dice alike.
using Counts = FaceCounts;

int countDice(const Counts& counts);

// Rank of a face, higher is stronger; 0 stands for an empty position.
int variantFaceRank(const Variant& variant, int face);

// The faces of `counts` in canonical order: bigger groups first, equal groups by face rank.
std::vector<int> canonicalFaces(const Variant& variant, const Counts& counts);

// Shape score: per face 1, 10, 30, 50, 60 for one to five dice.
int variantShapeScore(const Counts& counts);

// Call `call` beats call `last`: a higher shape class, or the same class and the first differing
// position in canonical order shows the higher-ranked face (an empty position ranks lowest).
bool variantBeats(const Variant& variant, const Counts& call, const Counts& last);

// Every die of the call is among the dice.
bool holdsCall(const Counts& dice, const Counts& call);

// Every call of 1..dice dice, each multiset once, the weakest first.
std::vector<Counts> callsWeakestFirst(const Variant& variant);

// One result of throwing the dice not kept: the whole dice afterwards and its chance.
struct ThrowOutcome {
    Counts dice{};
    double chance = 0;
};

// Every multiset the throw of the `dice - |kept|` other dice can give, added to `kept`.
std::vector<ThrowOutcome> throwOutcomes(const Variant& variant, const Counts& kept);

// Per face, the trusting seat keeps between `least` and `most` dice.
struct KeepBounds {
    Counts least{};
    Counts most{};
};

// What the seat that trusted `lastCall` and took over `dice` may keep; `locked` are the dice the
// previous caller kept when it threw.
KeepBounds variantKeepBounds(const Variant& variant, const Counts& lastCall, const Counts& dice,
                             const Counts& locked, RuleOptions options);

// Every kept multiset within the bounds.
std::vector<Counts> keepChoices(const Variant& variant, const KeepBounds& bounds);

} // namespace quintel::wholegame
