#pragma once

#include "solver/believed_values.h"
#include "solver/player_model.h"
#include "solver/solved_game.h"

#include <map>
#include <memory>
#include <span>
#include <vector>

namespace quintel::solver {

// The Master: the refined Expert (the solved game, with the Expert's chances of trust for calls it
// never makes) that answers what it has seen of the player, risking at most a stated share of a
// game against any player.
//
// How. Where the Master has seen the player in a stage, it answers the belief its player model
// holds there (PlayerModel) with the stage's safe response (safe_response.h): its chances of
// trust when the player calls, its calls when it called. Everything else is the Expert's: the
// stages it has not seen the player in, the choice between calling at once and keeping, and the
// answer to a call made at once on dice it handed over.
//
// The bound. Let the risk of a stage be what a best reply may win there above the equilibrium,
// the positions after it at their solved values. A player's gain over the game's value against
// the Master is at most the sum, over the stages the game passes through, of the chance of
// reaching each times its risk (the equilibrium's values telescope along the way). The Master
// at a table (MasterBudget) gives a game a budget of R times its confidence,
// visits / (visits + kConfidentVisits), lets each stage risk what is left, and adds what the
// player gives away on the way, so the best player wins at most R more than the game's value
// against a Master whose model is frozen, and the less the Master has seen, the less it risks.
//
// The stages on their own, as the coach and `quintel-solve --against master` weigh the Master's
// play, share R out over the last calls instead, in proportion to how often it saw the player in
// stages of each: the last calls rise through every game, so a game passes through at most one
// stage of each, and each stage of last call c risks at most
//
//   allowance(c) = R * visits(c) / (visits + kConfidentVisits),
//
// whose sum over c is below R.
//
// For a seat, with the solved game's numbers (ExpertPolicy names them from the table's dice):
//   MasterPolicy master(game, model, {.risk = 0.02});
//   master.stageTrust(lastCall, kept)[call]   // the chance of trusting the player's call after
//                                             // it trusted lastCall (-1: the opening), kept
//                                             // `kept` and threw; by call
//   master.callsOf(playerCall, kept, thrown)  // the Master's calls after it trusted playerCall,
//                                             // kept `kept` and threw `thrown`
// and as the Expert for the rest. A seat that learns counts each game in its PlayerModel and
// makes a new MasterPolicy from it (cheap: each stage's answer is worked out when first asked,
// some tens of milliseconds for the largest, and kept). One thread at a time.
class MasterPolicy {
public:
    struct Settings {
        double risk = 0.02; // R: the most a player may win above the game's value
    };
    static constexpr double kConfidentVisits = 30;

    // `believed`, when given, weighs each stage's choices by what the positions after it are
    // worth against the player as believed, where the solved values stand in otherwise; the risk
    // is weighed by the solved values either way.
    MasterPolicy(std::shared_ptr<const SolvedGame> game, std::shared_ptr<const PlayerModel> model,
                 Settings settings, std::shared_ptr<const BelievedValues> believed = nullptr);

    const SolvedGame& game() const { return *game_; }
    const PlayerModel& model() const { return *model_; }
    double risk() const { return settings_.risk; }

    // What a best reply may win above the equilibrium in a stage of this last call.
    double allowance(int lastCall) const;
    // What a game may risk in all: the sum of the allowances of every last call.
    double budget() const;

    // The chance of trust of every call, by call (0 for calls that do not beat the last one and
    // for the strongest call), after the player trusted `lastCall`, kept `kept` and threw.
    const std::vector<double>& stageTrust(int lastCall, int kept) const;

    // The same risking at most `allowance` (MasterBudget), worked out afresh each time; once the
    // model has seen a game, stages it has not seen the player in are answered too, from what it
    // saw elsewhere.
    std::vector<double> stageTrust(int lastCall, int kept, double allowance) const;

    // The Master's mixed calls after trusting the player's `lastCall`, keeping `kept` and throwing
    // `thrown` (a DiceSets index); empty when no call beats `lastCall`.
    std::span<const MixedCall> callsOf(int lastCall, int kept, int thrown) const;
    // The same for every type of the stage.
    const StageStrategy& stageCalls(int lastCall, int kept) const;
    // The same risking at most `allowance`, as stageTrust does.
    StageStrategy stageCalls(int lastCall, int kept, double allowance) const;

    // How many stages the Master has answered differently from the Expert so far.
    std::size_t stagesAnswered() const { return answered_; }

private:
    std::vector<double> trustWithin(int lastCall, int kept, double allowance, bool unseenToo) const;
    StageStrategy callsWithin(int lastCall, int kept, double allowance, bool unseenToo) const;

    std::shared_ptr<const SolvedGame> game_;
    std::shared_ptr<const PlayerModel> model_;
    Settings settings_;
    std::shared_ptr<const BelievedValues> believed_;
    mutable std::map<std::pair<int, int>, std::vector<double>> trust_;
    mutable std::map<std::pair<int, int>, StageStrategy> calls_;
    mutable std::size_t answered_ = 0;
};

} // namespace quintel::solver
