#include "call/call_status.h"

#include "model/dice.h"
#include "model/hand_words.h"
#include "model/translation.h"

namespace quintel {

namespace {

std::string composedPart(const CallFacts& facts) {
    if (facts.composedDice == 0) {
        return translated("CallStatus", "Your call: none yet");
    }
    if (facts.composedDice > kDiceCount) {
        return withArguments(translated("CallStatus", "Your call: %1 dice, five at most"),
                             {std::to_string(facts.composedDice)});
    }
    if (!facts.lastCall.empty() && !facts.beatsLast) {
        return withArguments(translated("CallStatus", "Your call: %1, %2 (does not beat %3)"),
                             {facts.composed, handInWords(facts.composed), facts.lastCall});
    }
    return withArguments(translated("CallStatus", "Your call: %1, %2"),
                         {facts.composed, handInWords(facts.composed)});
}

std::string weakestPart(const CallFacts& facts) {
    if (facts.lastCall.empty()) {
        return translated("CallStatus", "any call may open the game");
    }
    if (!facts.weakest) {
        return withArguments(translated("CallStatus", "no call beats %1"), {facts.lastCall});
    }
    return withArguments(translated("CallStatus", "the weakest call you may make: %1"),
                         {*facts.weakest});
}

} // namespace

std::string refusedCallStatus(int composedDice) {
    if (composedDice == 0) {
        return translated("CallStatus", "No dice chosen yet: pick how many dice of each face you "
                                        "call, one to five dice in all.");
    }
    return withArguments(translated("CallStatus",
                                    "You chose %1 dice: a call names five dice at most. Take some "
                                    "away."),
                         {std::to_string(composedDice)});
}

std::string callStatus(const CallFacts& facts) {
    constexpr std::string_view kDash = " \u2014 ";
    return composedPart(facts) + std::string(kDash) +
           withArguments(translated("CallStatus", "your dice %1"), {facts.dice}) +
           std::string(kDash) + weakestPart(facts);
}

} // namespace quintel
