#pragma once

#include "opponent/expert_policy.h"

#include <vector>

namespace quintel {

// The player's chances of winning in the solved game, both seats playing its equilibrium from
// here on. Calls and dice are the solved game's numbers (see ExpertPolicy).

// Answering the computer's `call`, made after it trusted the player's `playerCall`, kept `kept`
// and threw the other dice: its thrown dice unknown, weighed by how often each throw makes that
// call (by the throw's chance alone for a call the equilibrium never makes). A hold of every die
// shows the dice.
struct AnswerChances {
    double trust = 0;
    double notTrust = 0;
};
AnswerChances answerChances(const ExpertPolicy& policy, int playerCall, int kept, int call);

// Answering the computer's `call` made without a throw on `hand`, the dice the player handed
// over, with `locked` the dice fixed on the table.
AnswerChances answerChancesAtOnce(const ExpertPolicy& policy, int hand, int locked, int call);

// Having trusted `call` and taken `hand` with `locked` dice: the best call at once, and every
// keep the rules allow, the most promising first.
struct KeepChance {
    int kept = 0;
    double chance = 0;
};
struct PositionChances {
    int atOnceCall = -1; // -1 when no call beats `call`
    double atOnce = 0;
    std::vector<KeepChance> keeps;
};
PositionChances positionChances(const ExpertPolicy& policy, int call, int hand, int locked);

// The chance of calling `call` on `hand`: after keeping `kept` (-1: none at the opening) and
// throwing when `threw`, the other seat not seeing the dice; otherwise at once, on dice it knows,
// with `kept` the locked dice.
double callChance(const ExpertPolicy& policy, int lastCall, int kept, int hand, int call,
                  bool threw);

// The call with the best chance there; -1 when no call beats `lastCall`.
struct BestCall {
    int call = -1;
    double chance = 0;
};
BestCall bestCall(const ExpertPolicy& policy, int lastCall, int kept, int hand, bool threw);

} // namespace quintel
