#pragma once

#include "records/game_review.h"
#include "records/master_models.h"

#include <filesystem>
#include <memory>

namespace quintel {

class ComputerSeats;
class ExpertPolicy;
namespace solver {
class SolvedGame;
}

// Weighs a recorded game's decisions against the solved game of its options, as the coach
// would have weighed them when they were made: for a call, the chance of the call made against
// the best call on the same dice; for a call not trusted, the chance of not trusting against the
// better of trusting and not trusting. Nothing for a game recorded without the dice each call
// was made on, or when its options' solved game cannot be read. In a game against the Master it
// adds what the Master believes of the player now, from the model kept in `dataFolder`'s record.
class SolvedAppraiser : public DecisionAppraiser {
public:
    explicit SolvedAppraiser(ComputerSeats& seats, std::filesystem::path dataFolder = {})
        : seats_(&seats), withMaster_(!dataFolder.empty()), masterModels_(std::move(dataFolder)) {}

    std::optional<SolvedChances> appraise(const GameRecord& game,
                                          const PlayerDecision& decision) const override;
    std::filesystem::path solvedFolder() const override;

private:
    std::optional<double> masterBelief(const std::shared_ptr<const solver::SolvedGame>& solved,
                                       const ExpertPolicy& policy, const GameRecord& game,
                                       const PlayerDecision& decision) const;

    ComputerSeats* seats_;
    bool withMaster_;
    mutable MasterModels masterModels_;
};

} // namespace quintel
