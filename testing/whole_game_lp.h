#pragma once

// The dice game on few faces and few dice solved whole, as one sequence-form linear program, to
// check faster solvers against. Figures are chances of winning (a win pays 1, a loss 0).
//
// The whole game grows with every call that can still follow: one program holds it for one die
// of up to six faces and for two dice of two faces. HandOverSolver (testing/whole_game/
// hand_over_solver.h) cuts the game where the dice are handed over and reaches further; it agrees
// with the whole program wherever both run.

#include "model/rule_options.h"
#include "testing/whole_game/game_tree.h"
#include "testing/whole_game/hand_over_solver.h"
#include "testing/whole_game/sequence_form_lp.h"
#include "testing/whole_game/variant_rules.h"

#include <cstddef>

namespace quintel::wholegame {

struct SolveSettings {
    Arithmetic arithmetic = Arithmetic::Floating;
    TreeOrder order{};
};

struct GameSize {
    std::array<int, 2> sequences{}; // per seat, the empty sequence included
    std::array<int, 2> infosets{};  // per seat
    std::size_t payoffs = 0;        // ends of the game the first seat wins
    LpSize lp;
};

struct GameSolution {
    double value = 0;      // the first seat's chance of winning under best play of both
    double guaranteed = 0; // what the plan found secures the first seat against any answer
    double conceded = 0;   // what the second seat's plan found allows the first seat at most
    GameSize size;
};

// The whole game; the first seat is the opener.
GameSolution solveOpening(const Variant& variant, RuleOptions options,
                          const SolveSettings& settings = {});
// The game from a position; the first seat is the one that has just trusted.
GameSolution solvePosition(const Variant& variant, RuleOptions options, const Position& position,
                           const SolveSettings& settings = {});

// The opener's chance of winning.
double openerValue(const Variant& variant, RuleOptions options);
// The chance of winning of the seat that has just trusted in `position`.
double moverValue(const Variant& variant, RuleOptions options, const Position& position);

} // namespace quintel::wholegame
