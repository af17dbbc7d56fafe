#include "opponent/master_learning.h"

#include "records/model_from_record.h"

#include <stdexcept>

namespace quintel {

void MasterLearning::gameDecided(const match::Match& match, const GameOutcome& outcome) {
    if (outcome.forfeit) {
        return;
    }
    const auto seen = observationsOf(match.calls(), master_.model().tables());
    if (!seen) {
        return;
    }
    try {
        master_.learn(*seen);
    } catch (const std::invalid_argument&) {
        return; // a game outside the solved game's situations: nothing to learn from it
    }
    if (learnt_) {
        learnt_(master_.model());
    }
}

} // namespace quintel
