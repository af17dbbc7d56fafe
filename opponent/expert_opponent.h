#pragma once

#include "opponent/computer_player.h"
#include "opponent/expert_policy.h"

#include <memory>
#include <optional>
#include <string>

namespace quintel {

// The second computer seat: it plays the equilibrium of the solved game for the options in
// force. It trusts the player's call with the equilibrium's chance (after a throw it cannot see
// the dice; a call made at once on the dice it handed over is true or false for all to see),
// then plays the solved choice of its position: call at once, or keep dice, throw the others and
// call as the stage's strategy says for what it threw. Every draw comes from the game's one
// random source.
class ExpertOpponent : public ComputerPlayer {
public:
    explicit ExpertOpponent(std::shared_ptr<const solver::SolvedGame> game);

    void Computer_AI(Game& game) override;

    const ExpertPolicy& policy() const { return policy_; }

private:
    // The player's call, as the seat reads it.
    struct PlayerCall {
        int call = -1;
        int lastCall = -1; // the call the player trusted; -1 at the opening
        bool threw = true;
        int kept = 0;   // the dice the player kept when it threw
        int hand = 0;   // the player's dice, seen only when it called at once
        int locked = 0; // the dice the seat must keep when it trusts
    };
    PlayerCall readCall(const Game& game) const;
    double trustChance(Game& game, const PlayerCall& made) const;
    void answer(Game& game, const PlayerCall& made);
    void callAtOnce(Game& game, const PlayerCall& made, int call);
    void keepAndThrow(Game& game, const PlayerCall& made, int kept);
    void handOver(Game& game, const std::string& dice, int call, const std::string& fix,
                  const std::string& thrown);

    ExpertPolicy policy_;
    int lastCall_ = -1; // its own last call, which the player trusted if it calls again
};

} // namespace quintel
