#include "testing/whole_game/hand_over_solver.h"

#include <algorithm>

namespace quintel::wholegame {

HandOverSolver::HandOverSolver(const Variant& variant, RuleOptions options, Arithmetic arithmetic,
                               TreeOrder order)
    : variant_(variant), options_(options), arithmetic_(arithmetic), order_(order) {}

double HandOverSolver::openerValue() {
    const PositionValue later = [this](const Position& next) { return moverValue(next); };
    return solveSequenceForm(openingGame(variant_, options_, order_, later), arithmetic_).value;
}

double HandOverSolver::moverValue(const Position& position) {
    // Locked dice count only under "Fix Permanent" and only as far as they are among the dice;
    // positions that differ in nothing else are the same game.
    Counts locked{};
    if (options_.fixPermanent) {
        for (std::size_t face = 1; face < locked.size(); ++face) {
            locked[face] = std::min(position.locked[face], position.dice[face]);
        }
    }
    const auto key = std::tuple{position.lastCall, position.dice, locked};
    if (const auto known = values_.find(key); known != values_.end()) {
        return known->second;
    }
    const PositionValue later = [this](const Position& next) { return moverValue(next); };
    const Position same{position.lastCall, position.dice, locked};
    const double value =
        solveSequenceForm(positionGame(variant_, options_, same, order_, later), arithmetic_).value;
    values_.emplace(key, value);
    return value;
}

} // namespace quintel::wholegame
