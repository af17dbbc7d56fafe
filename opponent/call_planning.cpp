#include "opponent/call_planning.h"

#include "model/call_rules.h"
#include "model/random_source.h"
#include "opponent/engine/engine.h"

#include <algorithm>
#include <vector>

namespace quintel {

namespace {

struct RankedCall {
    CallDigits dice;
    int level;
};

bool weaker(const RankedCall& a, const RankedCall& b) {
    return callBeats(b.dice, b.level, a.dice, a.level);
}

// Every call of one to five dice (461 of them), from the weakest to the strongest.
std::vector<RankedCall> allCallsInOrder() {
    std::vector<RankedCall> calls;
    CallDigits dice{};
    // Non-decreasing faces list each multiset once; 0 stands for an empty place.
    auto add = [&](auto&& self, std::size_t position, int lowest) -> void {
        if (position == dice.size()) {
            CallDigits arranged = dice;
            const FaceCounts counts = arrangeDice(arranged);
            if (arranged[0] != 0) {
                calls.push_back({arranged, shapeScore(counts)});
            }
            return;
        }
        for (int face = lowest; face <= kFaces; ++face) {
            dice[position] = face;
            self(self, position + 1, face);
        }
    };
    add(add, 0, 0);
    std::sort(calls.begin(), calls.end(), weaker);
    return calls;
}

} // namespace

bool callCovered(std::string_view call, std::string_view dice) {
    const FaceCounts called = countFaceDigits(call);
    const FaceCounts present = countFaceDigits(dice);
    for (int face = 1; face <= kFaces; ++face) {
        if (called[static_cast<std::size_t>(face)] > present[static_cast<std::size_t>(face)]) {
            return false;
        }
    }
    return true;
}

std::string chooseHold(const Form1& engine, std::string_view call, std::string_view dice,
                       std::string_view oldFix, EngineOptions options) {
    if (callCovered(call, dice) || options.fixAny) {
        return engine.searchHold(call, dice, oldFix, false, options).hold;
    }
    return options.fixPermanent ? std::string(oldFix) : std::string();
}

std::optional<CallDigits> weakestCallBeating(std::span<const int> last, int lastLevel) {
    static const std::vector<RankedCall> calls = allCallsInOrder();
    const auto beats = [&](const RankedCall& call) {
        return callBeats(call.dice, call.level, last, lastLevel);
    };
    // Once one call beats `last`, every stronger one does too.
    const auto first = std::partition_point(calls.begin(), calls.end(),
                                            [&](const RankedCall& c) { return !beats(c); });
    if (first == calls.end()) {
        return std::nullopt;
    }
    return first->dice;
}

BluffResult bluffSearch(std::string_view hold, std::span<const int> last, int lastLevel,
                        RandomSource& random, int bound) {
    BluffResult result;
    while (!result.found && result.drawn < bound) {
        ++result.drawn;
        result.dice.fill(0);
        for (std::size_t i = 0; i < hold.size() && i < kDiceCount; ++i) {
            result.dice[i] = hold[i] - '0';
        }
        const std::size_t lastPlace = random.next() > 0.6 ? 4 : 3;
        for (std::size_t j = hold.size(); j <= lastPlace; ++j) {
            result.dice[j] = random.die();
        }
        if (lastPlace == 3) {
            result.dice[4] = 0;
        }
        result.level = shapeScore(arrangeDice(result.dice));
        result.found = callBeats(result.dice, result.level, last, lastLevel);
    }
    return result;
}

} // namespace quintel
