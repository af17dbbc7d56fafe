#include "call/form_call.h"

#include "app/game.h"
#include "model/call_rules.h"
#include "model/dice.h"

namespace quintel {

void FormCall::Level_Cal() {
    CallFaceCount = arrangeDice(CallDice);
    CallLevel = shapeScore(CallFaceCount);
}

void FormCall::Check2() {
    const auto& last = game().match.lastCall();
    CallIsHigher = !last || callBeats(CallDice, CallLevel, last->places(), last->level());
}

} // namespace quintel
