#pragma once

#include "model/dice.h"
#include "opponent/expert_policy.h"
#include "solver/player_model.h"

#include <optional>

namespace quintel {

// What the Master's model of the player holds now of one of their choices, with calls and dice as
// the table names them. None for a choice the model counts nothing of, or calls that do not
// follow each other.

// The chance the player trusts the computer's `call`, made after it trusted the player's
// `playerCall`, kept `kept` and threw the other dice.
std::optional<double> believedTrust(const solver::PlayerModel& model, const ExpertPolicy& policy,
                                    const FaceCounts& playerCall, const FaceCounts& kept,
                                    const FaceCounts& call);

// The chance the player calls `call` after trusting `lastCall` (no dice: the opening), keeping
// `kept` and throwing `thrown`.
std::optional<double> believedCall(const solver::PlayerModel& model, const ExpertPolicy& policy,
                                   const FaceCounts& lastCall, const FaceCounts& kept,
                                   const FaceCounts& thrown, const FaceCounts& call);

} // namespace quintel
