#include "rule_check.h"

#include "model/call_rules.h"
#include "model/counters.h"
#include "model/dice.h"

#include <algorithm>

namespace quintel::arena {

namespace {

std::array<int, kDiceCount> placesOf(std::string_view digits) {
    std::array<int, kDiceCount> dice{};
    for (std::size_t i = 0; i < dice.size() && i < digits.size(); ++i) {
        dice[i] = digits[i] - '0';
    }
    return dice;
}

// Every place as it is, whatever it holds.
std::string placesOf(const match::Dice& dice) {
    std::string digits;
    for (const int face : dice.faces()) {
        digits.push_back(static_cast<char>('0' + face));
    }
    return digits;
}

} // namespace

void RuleCheck::gameStarted(const match::Match& match) {
    lastCall_.clear();
    calls_ = 0;
    checkDice(placesOf(match.dice()), "the first throw");
}

void RuleCheck::callMade(const match::Match& /*match*/, const match::CallRecord& made) {
    const std::string call = made.call.digits();
    if (!lastCall_.empty()) {
        const auto now = placesOf(call);
        const auto last = placesOf(lastCall_);
        if (!callBeats(now, shapeScore(countFaces(now)), last, shapeScore(countFaces(last)))) {
            fault("the call " + call + " does not beat " + lastCall_);
        }
    }
    lastCall_ = call;
    checkDice(placesOf(made.dice),
              made.caller == Seat::Human ? "the player's call" : "the computer's call");
    if (++calls_ > kMostCallsInAGame) {
        fault("a game of more than " + std::to_string(kMostCallsInAGame) + " calls");
    }
    if (made.caller == Seat::Human) {
        checkProfile();
    }
}

void RuleCheck::gameDecided(const match::Match& match, const GameOutcome& outcome) {
    checkDice(outcome.dice, "the challenge");
    const bool held = covers(countFaceDigits(outcome.dice), countFaceDigits(outcome.call));
    if (outcome.call != lastCall_) {
        fault("the challenged call " + outcome.call + " is not the last call " + lastCall_);
    }
    if (outcome.forfeit) {
        // The seat to move gave the game up (an engine's refused answer): nothing was challenged.
        if (outcome.winner == match.toMove()) {
            fault("the seat that gave the game up won it");
        }
        return;
    }
    if ((outcome.winner == outcome.challenger) == held) {
        fault("the dice " + outcome.dice + (held ? " hold " : " do not hold ") + outcome.call +
              ", yet the " + (outcome.winner == outcome.challenger ? "challenger" : "caller") +
              " won");
    }
}

void RuleCheck::checkDice(std::string_view digits, std::string_view where) {
    if (digits.size() != kDiceCount || !std::ranges::all_of(digits, isFaceDigit)) {
        fault("the dice '" + std::string(digits) + "' after " + std::string(where));
    }
}

void RuleCheck::checkProfile() {
    const Profile& profile = game_.profile;
    for (std::size_t k = 0; k < profile.counts.size(); ++k) {
        const int count = profile.counts[k];
        const int score = profile.scores[k];
        if (count < 0 || count > kCounterMax || score < 0 || score > count) {
            fault("profile bucket " + std::to_string(k) + " holds " + std::to_string(score) +
                  " of " + std::to_string(count));
        }
    }
}

} // namespace quintel::arena
