#pragma once

#include "model/rule_options.h"
#include "opponent/coach_figures.h"
#include "solver/best_response.h"
#include "solver/opponent_model.h"

#include <memory>

namespace quintel {

// The best response's figures against a computer whose play is known and frozen: the player's
// chances of winning when they answer that play as well as can be from here on, which is what
// the coach shows against the classic computer and the Master.
class ResponseFigures : public CoachFigures {
public:
    // Runs the best response's pass over `computer`: seconds.
    ResponseFigures(std::shared_ptr<const solver::OpponentModel> computer, RuleOptions options);

    // The chance of winning a game that the player opens.
    double value() const override { return best_.value(); }
    // The computer's play the figures answer.
    const solver::OpponentModel& computer() const { return *computer_; }

    AnswerChances answer(const ComputerCall& seen) const override;
    Position position(const FaceCounts& call, const FaceCounts& hand,
                      const FaceCounts& locked) const override;
    double callChance(const FaceCounts& lastCall, const FaceCounts& kept, const FaceCounts& hand,
                      const FaceCounts& call, bool threw) const override;
    std::vector<RankedCall> rankedCalls(const FaceCounts& lastCall, const FaceCounts& kept,
                                        const FaceCounts& hand, bool threw) const override;

private:
    AnswerChances answerUnknown(const ComputerCall& seen) const;

    std::shared_ptr<const solver::OpponentModel> computer_;
    RuleOptions options_;
    solver::BestResponse best_;
};

} // namespace quintel
