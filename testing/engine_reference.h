#pragma once

// Reference answers for the engine, found the slow way: by throwing every possible throw.

#include "model/call_rules.h"
#include "model/dice.h"
#include "opponent/engine/engine.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace quintel::reference {

inline int powerOfSix(int n) {
    return n <= 0 ? 1 : 6 * powerOfSix(n - 1);
}

// Calls visit(five) for every ordered throw of the dice not kept; `five` is the kept dice followed
// by the thrown ones.
template <class Visit> void forEachThrow(std::string_view hold, Visit visit) {
    const int thrown = kDiceCount - static_cast<int>(hold.size());
    if (thrown < 0) {
        return;
    }
    std::string five(hold);
    five.resize(kDiceCount, '1');
    for (int throwNumber = 0; throwNumber < powerOfSix(thrown); ++throwNumber) {
        int rest = throwNumber;
        for (std::size_t i = hold.size(); i < kDiceCount; ++i) {
            five[i] = static_cast<char>('1' + rest % 6);
            rest /= 6;
        }
        visit(std::as_const(five));
    }
}

// The throws after which `wanted` holds, each worth 6^h of the 7776 throws of all five dice.
template <class Wanted> Chance countThrows(std::string_view hold, Wanted wanted) {
    int count = 0;
    forEachThrow(hold, [&](const std::string& five) { count += wanted(five) ? 1 : 0; });
    return Chance{count * powerOfSix(static_cast<int>(hold.size()))};
}

inline int classOf(std::string_view digits) {
    return shapeClass(shapeScore(countFaceDigits(digits)));
}

inline bool containsAll(std::string_view dice, std::string_view call) {
    const FaceCounts have = countFaceDigits(dice);
    const FaceCounts want = countFaceDigits(call);
    return std::equal(want.begin() + 1, want.end(), have.begin() + 1,
                      [](int w, int h) { return w <= h; });
}

inline Chance enumeratedProb1(std::string_view hold, std::string_view call) {
    const int callClass = classOf(call);
    return countThrows(hold, [&](const std::string& five) { return classOf(five) > callClass; });
}

inline Chance enumeratedProb2(std::string_view fix, std::string_view call) {
    return countThrows(fix, [&](const std::string& five) { return containsAll(five, call); });
}

inline Chance enumeratedBeat(std::string_view hold, std::string_view call) {
    std::string named(call);
    std::erase(named, '0');
    const std::string arrangedCall = arrangeDigits(named);
    return countThrows(hold, [&](const std::string& five) {
        return textBeats(arrangeDigits(five), arrangedCall);
    });
}

// The search's rules for five dice, with every chance found by enumeration: holds of one to four
// dice in order of positions, each admissible hold scored once; a tie goes to the higher shape
// score, then to the hold found first; five dice that already beat the call are kept when nothing
// better than even is found or the best hold is of a lower shape class.
inline HoldChoice enumeratedSearch(std::string_view call, std::string_view dice,
                                   std::string_view fix, EngineOptions options) {
    const std::string arrangedDice = arrangeDigits(dice);
    const FaceCounts callCount = countFaceDigits(call);
    const FaceCounts fixCount = countFaceDigits(fix);
    const auto within = [](const FaceCounts& part, const FaceCounts& whole) {
        return std::equal(part.begin() + 1, part.end(), whole.begin() + 1,
                          [](int p, int w) { return p <= w; });
    };
    const auto admissible = [&](const std::string& hold) {
        const FaceCounts holdCount = countFaceDigits(hold);
        const bool keepsFixed = within(fixCount, holdCount);
        const bool partOfCall = within(holdCount, callCount);
        if (options.fixPermanent) {
            return keepsFixed && (options.fixAny || partOfCall);
        }
        return options.fixAny || partOfCall;
    };
    HoldChoice best;
    if (!(options.fixPermanent && !fix.empty())) {
        best.chance = enumeratedBeat("", call);
    }
    const auto consider = [&](const std::string& hold) {
        const Chance chance = admissible(hold) ? enumeratedBeat(hold, call) : Chance{};
        const int score = shapeScore(countFaceDigits(hold));
        if (chance > best.chance ||
            (chance == best.chance && score > shapeScore(countFaceDigits(best.hold)))) {
            best = HoldChoice{hold, chance};
        }
    };
    // Nested loops in the order the holds are tried.
    const auto n = arrangedDice.size();
    for (std::size_t a = 0; a < n; ++a) {
        consider(std::string{arrangedDice[a]});
    }
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = a + 1; b < n; ++b) {
            consider(std::string{arrangedDice[a], arrangedDice[b]});
        }
    }
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = a + 1; b < n; ++b) {
            for (std::size_t c = b + 1; c < n; ++c) {
                consider(std::string{arrangedDice[a], arrangedDice[b], arrangedDice[c]});
            }
        }
    }
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = a + 1; b < n; ++b) {
            for (std::size_t c = b + 1; c < n; ++c) {
                for (std::size_t d = c + 1; d < n; ++d) {
                    consider(std::string{arrangedDice[a], arrangedDice[b], arrangedDice[c],
                                         arrangedDice[d]});
                }
            }
        }
    }
    const bool diceBeat = dice.size() == kDiceCount && classOf(dice) == classOf(call) &&
                          textBeats(arrangedDice, arrangeDigits(call));
    const bool lowerClass = classOf(best.hold) < classOf(arrangedDice);
    if (diceBeat && (best.chance.outcomes * 2 <= kAllOutcomes || lowerClass)) {
        best = HoldChoice{arrangedDice, kCertain};
    }
    return best;
}

} // namespace quintel::reference
