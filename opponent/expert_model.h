#pragma once

#include "opponent/expert_policy.h"
#include "solver/opponent_model.h"

#include <map>
#include <tuple>
#include <vector>

namespace quintel {

// The Expert as the best response sees it: the same policy as its seat, answering by stage.
class ExpertModel : public solver::OpponentModel {
public:
    explicit ExpertModel(const ExpertPolicy& policy);

    bool answersByStage() const override { return true; }
    std::vector<double> stageTrust(solver::CallIndex lastCall,
                                   const FaceCounts& kept) const override;
    double trustAtOnce(solver::CallIndex call, const FaceCounts& dice) const override;
    std::optional<FaceCounts> keepsFrom(solver::CallIndex call, const FaceCounts& dice,
                                        const FaceCounts& locked) const override;
    solver::CallIndex callAtOnce(solver::CallIndex call, const FaceCounts& dice,
                                 const FaceCounts& locked) const override;
    std::span<const solver::CallChance> calls(solver::CallIndex call, const FaceCounts& hold,
                                              const FaceCounts& dice) const override;

    // Asked only of a computer that answers by call alone: after a throw at the opening.
    bool trusts(solver::CallIndex call, const FaceCounts& playerFix) const override;
    FaceCounts keeps(solver::CallIndex call, const FaceCounts& dice,
                     const FaceCounts& playerFix) const override;

private:
    int toPolicy(solver::CallIndex call) const;
    solver::CallIndex fromPolicy(int call) const;

    const ExpertPolicy& policy_;
    std::vector<int> toPolicy_;                 // by the best response's call
    std::vector<solver::CallIndex> fromPolicy_; // by the policy's call
    // The mixed calls of each (call, hold, thrown) asked for, kept for the spans handed out.
    mutable std::map<std::tuple<int, int, int>, std::vector<solver::CallChance>> calls_;
};

} // namespace quintel
