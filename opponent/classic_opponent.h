#pragma once

#include "opponent/classic_policy.h"
#include "records/player_files.h"
#include "solver/opponent_model.h"

#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace quintel {

// The computer of the game, with an empty profile or the player's `profile`, as the best response
// sees it.
class ClassicOpponent : public solver::OpponentModel {
public:
    explicit ClassicOpponent(RuleOptions options, std::optional<Profile> profile = std::nullopt);

    RuleOptions options() const { return policy_.options(); }
    // Whether `profile` leaves its trust of every call it has judged as it is: then it plays the
    // same against the player, since nothing else of its play reads the profile.
    bool trustsAlikeUnder(const Profile& profile) const;

    bool trusts(solver::CallIndex call, const FaceCounts& playerFix) const override;
    FaceCounts keeps(solver::CallIndex call, const FaceCounts& dice,
                     const FaceCounts& locked) const override;
    std::span<const solver::CallChance> calls(solver::CallIndex call, const FaceCounts& hold,
                                              const FaceCounts& dice) const override;

private:
    using Bluffs = std::vector<solver::CallChance>;
    const Bluffs& bluffs(solver::CallIndex call, int hold) const;

    bool trustsUnder(const JudgedCall& judged, const Profile* profile) const;

    ClassicPolicy policy_;
    std::optional<Profile> profile_;
    // The engine's judgement of each call after each set of fixed dice, by call and set.
    mutable std::vector<std::optional<JudgedCall>> judged_;
    // The answers are asked for again and again in one pass; each is worked out once.
    mutable std::map<std::tuple<solver::CallIndex, int, int>, int> holds_;
    mutable std::vector<CallChances> candidates_; // by hold
    mutable std::map<std::pair<solver::CallIndex, int>, Bluffs> bluffs_;
    std::vector<solver::CallChance> certain_; // each call for sure, by call
};

} // namespace quintel
