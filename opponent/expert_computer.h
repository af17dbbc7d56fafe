#pragma once

#include "match/player.h"
#include "model/random_source.h"
#include "opponent/expert_policy.h"

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace quintel {

// The second computer: it plays the equilibrium of the solved game for the options in force. It
// trusts the player's call with the equilibrium's chance (after a throw it cannot see the dice; a
// call made at once on the dice it handed over is true or false for all to see), then plays the
// solved choice of its position: call at once, or keep dice, throw the others and call as the
// stage's strategy says for what it threw. Every draw comes from the game's one random source.
class ExpertComputer : public match::Player {
public:
    ExpertComputer(std::shared_ptr<const solver::SolvedGame> game, RandomSource& random,
                   match::SeatNotes& notes);

    match::Action decide(const match::SeatView& view) override;

    const ExpertPolicy& policy() const { return policy_; }

protected:
    // A computer that plays the equilibrium but where it answers what it has learnt of the
    // player: its chance of trusting `call` in stage (lastCall, kept), nothing to trust as the
    // Expert does, and its mixed calls after a throw. `name` opens its notes of a turn.
    ExpertComputer(std::shared_ptr<const solver::SolvedGame> game, RandomSource& random,
                   match::SeatNotes& notes, std::string name);
    virtual std::optional<double> ownTrust(int lastCall, int kept, int call);
    virtual std::span<const solver::MixedCall> callsAfterThrow(int lastCall, int kept, int thrown);

private:
    // The call to answer, as the seat reads it in the solved game's numbers.
    struct CallToAnswer {
        int call = -1;
        int lastCall = -1; // the seat's own call that the player trusted; -1 at the opening
        bool threw = true;
        int kept = 0;   // the dice the caller kept when it threw
        int hand = 0;   // the caller's dice, known only when it threw none
        int locked = 0; // the dice the seat must keep when it trusts
    };
    CallToAnswer read(const match::SeatView& view) const;
    double trustChance(const CallToAnswer& made, const match::SeatView& view);
    match::Action answer(const match::SeatView& view);
    match::Action plan(const match::SeatView& view);
    match::Action callAfterThrow(const match::SeatView& view);
    match::Action handOver(const std::string& dice, int call, const std::string& fix);

    // The chances of trust of a stage, worked out once for the stages met again (the opening's,
    // above all, in every game).
    const std::optional<ExpertPolicy::StageTrust>& stageTrust(int lastCall, int kept);

    ExpertPolicy policy_;
    std::string name_;
    RandomSource& random_;
    match::SeatNotes& notes_;
    std::map<std::pair<int, int>, std::optional<ExpertPolicy::StageTrust>> stages_;
};

} // namespace quintel
