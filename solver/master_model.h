#pragma once

#include "solver/master_policy.h"
#include "solver/opponent_model.h"

#include <map>
#include <tuple>
#include <vector>

namespace quintel::solver {

// The Master as the best response sees it, for the real game: its chances of trust and calls by
// stage, and the solved game's choices between calling at once and keeping. With a model that has
// seen nothing it is the refined Expert.
class MasterModel : public StageOpponent {
public:
    explicit MasterModel(const MasterPolicy& master);

    std::vector<double> stageTrust(CallIndex lastCall, const FaceCounts& kept) const override;
    double trustAtOnce(CallIndex call, const FaceCounts& dice) const override;
    std::optional<FaceCounts> keepsFrom(CallIndex call, const FaceCounts& dice,
                                        const FaceCounts& locked) const override;
    CallIndex callAtOnce(CallIndex call, const FaceCounts& dice,
                         const FaceCounts& locked) const override;
    std::span<const CallChance> calls(CallIndex call, const FaceCounts& hold,
                                      const FaceCounts& dice) const override;

private:
    int setOf(const FaceCounts& dice) const;
    std::optional<std::uint16_t> choice(CallIndex call, const FaceCounts& dice,
                                        const FaceCounts& locked) const;

    const MasterPolicy& master_;
    // The mixed calls of each (call, hold, thrown) asked for, kept for the spans handed out.
    mutable std::map<std::tuple<int, int, int>, std::vector<CallChance>> calls_;
};

} // namespace quintel::solver
