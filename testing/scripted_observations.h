#pragma once

#include "solver/player_model.h"

#include <algorithm>
#include <random>

namespace quintel::testing {

// What the computer would see of a scripted player in one game's first two calls, in the solved
// game's numbers: the player opens with a call drawn evenly from every call (whatever it threw);
// the computer trusts it and plays the solved game (its keep, its throw, its call), and the player
// trusts that call with chance `trust`. Drawn from `random`.
inline solver::PlayerObservations randomCallerGame(const solver::SolvedGame& game, double trust,
                                                   std::mt19937& random) {
    const solver::GameTables& tables = game.tables();
    const solver::DiceSets& sets = tables.sets();
    std::uniform_real_distribution<double> draw(0, 1);
    // A throw of the dice not kept, drawn by its chance.
    auto thrown = [&](int kept) {
        const auto throws = sets.ofSize(tables.variant().dice - sets.diceIn(kept));
        double r = draw(random);
        for (const int set : throws) {
            r -= solver::throwChance(sets.counts(set), tables.variant());
            if (r < 0) {
                return set;
            }
        }
        return throws.back();
    };
    auto handAfter = [&](int kept, int throwSet) {
        return sets.indexOf(solver::addCounts(sets.counts(kept), sets.counts(throwSet)));
    };
    solver::PlayerObservations seen;
    const int hand = handAfter(sets.empty(), thrown(sets.empty()));
    std::uniform_int_distribution<int> anyCall(0, tables.callCount() - 1);
    const int call = anyCall(random);
    seen.calls.push_back({-1, sets.empty(), hand, call});
    const auto choice = game.positionChoice(call, hand, sets.empty());
    if (!choice || (*choice & solver::SolvedGame::kKeepFlag) == 0) {
        return seen; // no call left, or the computer calls at once on the dice it took over
    }
    const int kept = *choice & ~solver::SolvedGame::kKeepFlag;
    const int threw = thrown(kept);
    const auto types = sets.ofSize(tables.variant().dice - sets.diceIn(kept));
    const int type = static_cast<int>(std::ranges::find(types, threw) - types.begin());
    double r = draw(random);
    for (const solver::MixedCall& made : game.stageStrategy(call, kept)->callsOf(type)) {
        r -= made.chance;
        if (r < 0 || &made == &game.stageStrategy(call, kept)->callsOf(type).back()) {
            seen.answers.push_back({call, kept, made.call, draw(random) < trust});
            break;
        }
    }
    return seen;
}

} // namespace quintel::testing
