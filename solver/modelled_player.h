#pragma once

#include "solver/opponent_model.h"
#include "solver/player_model.h"

#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace quintel::solver {

// A player as its model believes it plays, shown to the best response as the seat it answers,
// for the real game: the best response then finds what a perfect opponent wins against the
// player's habits (BestResponse::answeringValue, the player opening). A call made at once on dice
// the player handed over is trusted when the dice hold it: the player knows them.
class ModelledPlayer : public StageOpponent {
public:
    explicit ModelledPlayer(const PlayerModel& model);

    std::vector<double> stageTrust(CallIndex lastCall, const FaceCounts& kept) const override;
    double trustAtOnce(CallIndex call, const FaceCounts& dice) const override;
    std::vector<Choice> choicesFrom(CallIndex call, const FaceCounts& dice,
                                    const FaceCounts& locked) const override;
    // Its likeliest choice.
    std::optional<FaceCounts> keepsFrom(CallIndex call, const FaceCounts& dice,
                                        const FaceCounts& locked) const override;
    CallIndex callAtOnce(CallIndex call, const FaceCounts& dice,
                         const FaceCounts& locked) const override;
    std::span<const CallChance> calls(CallIndex call, const FaceCounts& hold,
                                      const FaceCounts& dice) const override;

private:
    int setOf(const FaceCounts& dice) const;
    Choice likeliest(CallIndex call, const FaceCounts& dice, const FaceCounts& locked) const;

    const PlayerModel& model_;
    // Each stage's calls per type, worked out when the stage is first asked, and the spans of
    // each type handed out.
    mutable std::map<std::pair<int, int>, std::vector<std::vector<CallChance>>> calls_;
};

} // namespace quintel::solver
