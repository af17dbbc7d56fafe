#include "opponent/classic_policy.h"

#include "model/call_rules.h"
#include "model/random_source.h"
#include "opponent/classic_computer.h"
#include "opponent/computer_judgement.h"

#include <array>
#include <cmath>
#include <map>

namespace quintel {

namespace {

// A candidate names five dice when a draw exceeds 0.6, four otherwise (up to the resolution of
// the random source, as a die's faces are equally likely up to it).
constexpr double kFiveDiceCandidate = 0.4;

ComputerCall callOf(const CallDigits& dice) {
    return {dice, shapeScore(countFaces(dice))};
}

// Calls `visit` with every sequence of `count` dice.
template <class Visit> void forEveryThrow(std::size_t count, Visit visit) {
    std::array<int, kDiceCount> dice{};
    const auto next = [&](auto&& self, std::size_t place) -> void {
        if (place == count) {
            visit(std::span<const int>(dice.data(), count));
            return;
        }
        for (int face = 1; face <= kFaces; ++face) {
            dice[place] = face;
            self(self, place + 1);
        }
    };
    next(next, 0);
}

} // namespace

bool throwsAgain(std::string_view hold, std::string_view dice) {
    return compareFixDice(hold, dice);
}

std::string throwAroundHold(std::string_view hold, RandomSource& random) {
    std::string dice(hold);
    while (dice.size() < kDiceCount) {
        dice += static_cast<char>('0' + random.die());
    }
    return dice;
}

std::optional<ComputerCall> honestCall(std::string_view dice, bool thrown,
                                       std::span<const int> last, int lastLevel) {
    CallDigits digits{};
    for (std::size_t i = 0; i < dice.size() && i < digits.size(); ++i) {
        digits[i] = dice[i] - '0';
    }
    ComputerCall call = callOf(digits);
    arrangeDice(call.dice);
    if (!callBeats(call.dice, call.level, last, lastLevel)) {
        return std::nullopt;
    }
    const int kind = shapeClass(call.level);
    if (thrown && (kind == 2 || kind == 3)) {
        CallDigits shorter = call.dice;
        shorter[4] = 0;
        if (callBeats(shorter, call.level, last, lastLevel)) {
            call.dice = shorter;
        }
    }
    return call;
}

std::optional<ComputerCall> honestAnswer(std::string_view hold, std::string_view dice,
                                         std::span<const int> last, int lastLevel) {
    const bool thrown = throwsAgain(hold, dice);
    return honestCall(thrown ? dice : hold, thrown, last, lastLevel);
}

ComputerCall settledBluff(const BluffResult& searched, std::span<const int> last, int lastLevel) {
    if (searched.found) {
        return callOf(searched.dice);
    }
    // The turn has already challenged any call that nothing beats; were there one, the last
    // candidate would stand.
    return callOf(weakestCallBeating(last, lastLevel).value_or(searched.dice));
}

CallChances bluffCandidateChances(std::string_view hold) {
    std::map<CallDigits, double> chances;
    for (const std::size_t lastPlace : {std::size_t{4}, std::size_t{3}}) {
        const double branch = lastPlace == 4 ? kFiveDiceCandidate : 1.0 - kFiveDiceCandidate;
        const std::size_t count = bluffDiceDrawn(hold, lastPlace);
        const double each = branch / std::pow(static_cast<double>(kFaces), static_cast<int>(count));
        forEveryThrow(count, [&](std::span<const int> drawn) {
            chances[bluffCandidate(hold, lastPlace, drawn)] += each;
        });
    }
    CallChances candidates;
    for (const auto& [dice, chance] : chances) {
        candidates.push_back({callOf(dice), chance});
    }
    return candidates;
}

CallChances bluffOutcomeChances(const CallChances& candidates, std::span<const int> last,
                                int lastLevel, int bound) {
    double accepted = 0.0;
    double refused = 0.0;
    for (const CallChance& candidate : candidates) {
        const bool beats = callBeats(candidate.call.dice, candidate.call.level, last, lastLevel);
        (beats ? accepted : refused) += candidate.chance;
    }
    double settles = refused <= 0.0 ? 0.0 : std::pow(refused, bound);
    if (accepted <= 0.0) {
        settles = 1.0;
    }
    std::map<CallDigits, CallChance> outcome;
    const auto add = [&](const ComputerCall& call, double chance) {
        CallChance& entry = outcome.try_emplace(call.dice, CallChance{call, 0.0}).first->second;
        entry.chance += chance;
    };
    const auto weakest = weakestCallBeating(last, lastLevel);
    for (const CallChance& candidate : candidates) {
        const bool beats = callBeats(candidate.call.dice, candidate.call.level, last, lastLevel);
        if (beats) {
            add(candidate.call, candidate.chance / accepted * (1.0 - settles));
        } else if (!weakest) {
            add(candidate.call, candidate.chance / refused * settles);
        }
    }
    if (weakest && settles > 0.0) {
        add(callOf(*weakest), settles);
    }
    CallChances chances;
    for (const auto& [dice, chance] : outcome) {
        chances.push_back(chance);
    }
    return chances;
}

bool ClassicPolicy::trusts(const CallDigits& call, std::string_view playerFix) const {
    const std::string callString = diceDigits(call, EmptyPositions::Zero);
    return !judgeWithoutProfile(engine_, callString, playerFix, options_).challenge;
}

JudgedCall ClassicPolicy::judge(const CallDigits& call, std::string_view playerFix) const {
    return judgedCall(
        judgeCall(engine_, diceDigits(call, EmptyPositions::Zero), playerFix, options_));
}

std::string ClassicPolicy::hold(std::string_view call, std::string_view dice,
                                std::string_view playerFix) const {
    return chooseHold(engine_, call, dice, playerFix, options_);
}

CallChances ClassicPolicy::callChances(std::string_view hold, std::string_view dice,
                                       const CallDigits& last, int lastLevel) const {
    if (const auto honest = honestAnswer(hold, dice, last, lastLevel)) {
        return {{*honest, 1.0}};
    }
    return bluffOutcomeChances(bluffCandidateChances(hold), last, lastLevel,
                               ClassicComputer::kBluffBound);
}

} // namespace quintel
