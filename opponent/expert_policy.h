#pragma once

#include "model/dice.h"
#include "solver/solved_game.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quintel {

// The Expert's play as functions of what it knows: the equilibrium of the solved game. Calls and
// sets of dice are the solved game's numbers (GameTables calls weakest first, DiceSets indices).
class ExpertPolicy {
public:
    explicit ExpertPolicy(std::shared_ptr<const solver::SolvedGame> game);

    const solver::SolvedGame& game() const { return *game_; }
    const solver::GameTables& tables() const { return game_->tables(); }

    // The solved game's numbers of dice and calls; -1 for no call (empty dice).
    int setOf(const FaceCounts& dice) const;
    int callOf(const FaceCounts& dice) const;
    const FaceCounts& counts(int set) const;
    FaceCounts callCounts(int call) const;
    std::string callText(int call) const;

    // A stage the player reached: it trusted `lastCall` (-1 at the opening), kept `kept` and
    // threw the others. The chance of trust of every call, by call (0 for calls that do not beat
    // the last one, and for the strongest call), and the stage's value for the player: the
    // equilibrium's, with the refined chance of trust of the calls it never makes
    // (solver::fullTrust). A stage no position of the solve leads to is solved when first asked.
    // Nothing when the numbers are not a stage of the game.
    struct StageTrust {
        std::vector<double> trust;
        double value = 0;
    };
    std::optional<StageTrust> stageTrust(int lastCall, int kept) const;

    // The chance of trust of `call` made at once on `hand`, which the Expert handed over: 1 when
    // the dice hold the call, else 0. Never for the strongest call, which leaves nothing above.
    double atOnceTrust(int call, int hand) const;

    // After trusting `call` and taking `hand` with `locked` dice: call at once, or keep dice and
    // throw the others. Nothing when no call beats `call` or the position is not in the game.
    struct Plan {
        bool atOnce = false;
        int call = -1; // the call made at once
        int kept = 0;  // the dice kept for the throw
        double value = 0;
    };
    std::optional<Plan> plan(int call, int hand, int locked) const;

    // The mixed calls of the type that threw `thrown` in stage (`lastCall`, `kept`).
    std::span<const solver::MixedCall> callsOf(int lastCall, int kept, int thrown) const;

    // The call that a draw `r` in [0, 1) picks from mixed calls: each takes a stretch of [0, 1) as
    // long as its chance, in order; a draw past the last (chances summing to a little under 1)
    // takes the last.
    static int sampleCall(std::span<const solver::MixedCall> calls, double r);

private:
    std::shared_ptr<const solver::SolvedGame> game_;
};

} // namespace quintel
