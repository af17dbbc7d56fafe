#pragma once

#include "records/game_review.h"

namespace quintel {

class ComputerSeats;

// Weighs a recorded game's decisions against the solved game of its options, as the coach
// would have weighed them when they were made: for a call, the chance of the call made against
// the best call on the same dice; for a call not trusted, the chance of not trusting against the
// better of trusting and not trusting. Nothing for a game recorded without the dice each call
// was made on, or when its options' solved game cannot be read.
class SolvedAppraiser : public DecisionAppraiser {
public:
    explicit SolvedAppraiser(ComputerSeats& seats) : seats_(&seats) {}

    std::optional<SolvedChances> appraise(const GameRecord& game,
                                          const PlayerDecision& decision) const override;
    std::filesystem::path solvedFolder() const override;

private:
    ComputerSeats* seats_;
};

} // namespace quintel
