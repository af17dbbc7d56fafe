#pragma once

// The game cut at every hand-over of the dice. After a trust both seats know everything that
// matters for the rest (the last call, the dice, the locked dice), so the rest is a game of its
// own: each such position is solved by its own sequence-form program, in which later positions
// pay their own values. Far smaller than the whole game in one program, and checked against it
// where that can be solved.

#include "model/rule_options.h"
#include "testing/whole_game/game_tree.h"
#include "testing/whole_game/sequence_form_lp.h"

#include <map>
#include <tuple>

namespace quintel::wholegame {

class HandOverSolver {
public:
    HandOverSolver(const Variant& variant, RuleOptions options,
                   Arithmetic arithmetic = Arithmetic::Floating, TreeOrder order = {});

    // The opener's chance of winning.
    double openerValue();
    // The chance of winning of the seat that has just trusted.
    double moverValue(const Position& position);
    // Positions solved so far, each once.
    std::size_t positionsSolved() const { return values_.size(); }

private:
    Variant variant_;
    RuleOptions options_;
    Arithmetic arithmetic_;
    TreeOrder order_;
    std::map<std::tuple<Counts, Counts, Counts>, double> values_;
};

} // namespace quintel::wholegame
