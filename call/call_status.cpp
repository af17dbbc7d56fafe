#include "call/call_status.h"

#include "model/dice.h"
#include "model/hand_words.h"

namespace quintel {

namespace {

constexpr std::string_view kDash = " \u2014 ";

std::string composedPart(const CallFacts& facts) {
    if (facts.composedDice == 0) {
        return "Your call: none yet";
    }
    if (facts.composedDice > kDiceCount) {
        return "Your call: " + std::to_string(facts.composedDice) + " dice, five at most";
    }
    std::string text = "Your call: " + facts.composed + ", " + handInWords(facts.composed);
    if (!facts.lastCall.empty() && !facts.beatsLast) {
        text += " (does not beat " + facts.lastCall + ")";
    }
    return text;
}

std::string weakestPart(const CallFacts& facts) {
    if (facts.lastCall.empty()) {
        return "any call may open the game";
    }
    if (!facts.weakest) {
        return "no call beats " + facts.lastCall;
    }
    return "the weakest call you may make: " + *facts.weakest;
}

} // namespace

std::string refusedCallStatus(int composedDice) {
    if (composedDice == 0) {
        return "No dice chosen yet: pick how many dice of each face you call, one to five dice in "
               "all.";
    }
    return "You chose " + std::to_string(composedDice) +
           " dice: a call names five dice at most. Take some away.";
}

std::string callStatus(const CallFacts& facts) {
    return composedPart(facts) + std::string(kDash) + "your dice " + facts.dice +
           std::string(kDash) + weakestPart(facts);
}

} // namespace quintel
