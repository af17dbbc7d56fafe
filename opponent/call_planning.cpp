#include "opponent/call_planning.h"

#include "model/keep_rules.h"

#include "model/call_list.h"
#include "model/call_rules.h"
#include "model/random_source.h"
#include "opponent/engine/engine.h"

#include <algorithm>
#include <vector>

namespace quintel {

bool callCovered(std::string_view call, std::string_view dice) {
    return covers(countFaceDigits(dice), countFaceDigits(call));
}

std::string keptWithinRules(std::string_view hold, std::string_view dice, const KeepRange& range) {
    FaceCounts kept{};
    std::string within;
    for (char die : hold) {
        int& count = kept[static_cast<std::size_t>(die - '0')];
        if (count < range.most[static_cast<std::size_t>(die - '0')]) {
            ++count;
            within.push_back(die);
        }
    }
    for (char die : dice) {
        int& count = kept[static_cast<std::size_t>(die - '0')];
        if (count < range.least[static_cast<std::size_t>(die - '0')]) {
            ++count;
            within.push_back(die);
        }
    }
    return within;
}

std::string chooseHold(const Form1& engine, std::string_view call, std::string_view dice,
                       std::string_view locked, EngineOptions options) {
    std::string hold = options.fixPermanent ? std::string(locked) : std::string();
    if (callCovered(call, dice) || options.fixAny) {
        hold = engine.searchHold(call, dice, locked, false, options).hold;
    }
    // The search may settle on a hold the rules do not allow when no hold can beat the call.
    const KeepRange range =
        keepRange(countFaceDigits(call), countFaceDigits(dice), countFaceDigits(locked),
                  {options.fixAny, options.fixPermanent});
    return keepAllowed(range, countFaceDigits(hold)) ? hold : keptWithinRules(hold, dice, range);
}

std::optional<CallDigits> weakestCallBeating(std::span<const int> last, int lastLevel) {
    const std::vector<RankedCall>& calls = everyCallWeakestFirst();
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

std::size_t bluffDiceDrawn(std::string_view hold, std::size_t lastPlace) {
    return hold.size() > lastPlace ? 0 : lastPlace + 1 - hold.size();
}

CallDigits bluffCandidate(std::string_view hold, std::size_t lastPlace,
                          std::span<const int> drawn) {
    CallDigits dice{};
    for (std::size_t i = 0; i < hold.size() && i < kDiceCount; ++i) {
        dice[i] = hold[i] - '0';
    }
    for (std::size_t j = hold.size(), k = 0; j <= lastPlace && k < drawn.size(); ++j, ++k) {
        dice[j] = drawn[k];
    }
    if (lastPlace == 3) {
        dice[4] = 0;
    }
    arrangeDice(dice);
    return dice;
}

BluffResult bluffSearch(std::string_view hold, std::span<const int> last, int lastLevel,
                        RandomSource& random, int bound) {
    BluffResult result;
    std::array<int, kDiceCount> drawn{};
    while (!result.found && result.drawn < bound) {
        ++result.drawn;
        const std::size_t lastPlace = random.next() > 0.6 ? 4 : 3;
        const std::size_t count = bluffDiceDrawn(hold, lastPlace);
        for (std::size_t k = 0; k < count; ++k) {
            drawn[k] = random.die();
        }
        result.dice = bluffCandidate(hold, lastPlace, std::span(drawn).first(count));
        result.level = shapeScore(countFaces(result.dice));
        result.found = callBeats(result.dice, result.level, last, lastLevel);
    }
    return result;
}

} // namespace quintel
