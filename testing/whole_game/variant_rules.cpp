#include "testing/whole_game/variant_rules.h"
#include "model/index.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quintel::wholegame {
namespace {

// Every multiset of `count` dice over faces `face`..faces, passed to visit as added to `base`.
template <class Visit>
void forEachMultiset(const Variant& variant, int count, int face, Counts& base, Visit& visit) {
    if (face == variant.faces) {
        base[at(face)] += count;
        visit(static_cast<const Counts&>(base));
        base[at(face)] -= count;
        return;
    }
    for (int here = 0; here <= count; ++here) {
        base[at(face)] += here;
        forEachMultiset(variant, count - here, face + 1, base, visit);
        base[at(face)] -= here;
    }
}

double factorial(int n) {
    double product = 1;
    for (int k = 2; k <= n; ++k) {
        product *= k;
    }
    return product;
}

} // namespace

int countDice(const Counts& counts) {
    return std::accumulate(counts.begin() + 1, counts.end(), 0);
}

int variantFaceRank(const Variant& variant, int face) {
    if (face == 1) {
        return variant.faces;
    }
    return face >= 2 && face <= variant.faces ? face - 1 : 0;
}

std::vector<int> canonicalFaces(const Variant& variant, const Counts& counts) {
    std::vector<int> faces;
    for (int face = 1; face <= variant.faces; ++face) {
        if (counts[at(face)] > 0) {
            faces.push_back(face);
        }
    }
    std::sort(faces.begin(), faces.end(), [&](int a, int b) {
        if (counts[at(a)] != counts[at(b)]) {
            return counts[at(a)] > counts[at(b)];
        }
        return variantFaceRank(variant, a) > variantFaceRank(variant, b);
    });
    std::vector<int> positions;
    for (const int face : faces) {
        positions.insert(positions.end(), static_cast<std::size_t>(counts[at(face)]), face);
    }
    return positions;
}

int variantShapeScore(const Counts& counts) {
    constexpr std::array<int, 6> weightOfGroup{0, 1, 10, 30, 50, 60};
    int score = 0;
    for (std::size_t face = 1; face < counts.size(); ++face) {
        score += weightOfGroup.at(static_cast<std::size_t>(counts[face]));
    }
    return score;
}

bool variantBeats(const Variant& variant, const Counts& call, const Counts& last) {
    const int callClass = variantShapeScore(call) / 10;
    const int lastClass = variantShapeScore(last) / 10;
    if (callClass != lastClass) {
        return callClass > lastClass;
    }
    const std::vector<int> callFaces = canonicalFaces(variant, call);
    const std::vector<int> lastFaces = canonicalFaces(variant, last);
    for (std::size_t position = 0; position < static_cast<std::size_t>(variant.dice); ++position) {
        const int callRank =
            position < callFaces.size() ? variantFaceRank(variant, callFaces[position]) : 0;
        const int lastRank =
            position < lastFaces.size() ? variantFaceRank(variant, lastFaces[position]) : 0;
        if (callRank != lastRank) {
            return callRank > lastRank;
        }
    }
    return false;
}

bool holdsCall(const Counts& dice, const Counts& call) {
    for (std::size_t face = 1; face < dice.size(); ++face) {
        if (dice[face] < call[face]) {
            return false;
        }
    }
    return true;
}

std::vector<Counts> callsWeakestFirst(const Variant& variant) {
    std::vector<Counts> calls;
    auto collect = [&](const Counts& call) { calls.push_back(call); };
    for (int size = 1; size <= variant.dice; ++size) {
        Counts empty{};
        forEachMultiset(variant, size, 1, empty, collect);
    }
    std::sort(calls.begin(), calls.end(),
              [&](const Counts& a, const Counts& b) { return variantBeats(variant, b, a); });
    return calls;
}

std::vector<ThrowOutcome> throwOutcomes(const Variant& variant, const Counts& kept) {
    const int thrown = variant.dice - countDice(kept);
    const double orderedThrows = std::pow(static_cast<double>(variant.faces), thrown);
    std::vector<ThrowOutcome> outcomes;
    auto collect = [&](const Counts& dice) {
        double arrangements = factorial(thrown);
        for (std::size_t face = 1; face < dice.size(); ++face) {
            arrangements /= factorial(dice[face] - kept[face]);
        }
        outcomes.push_back({dice, arrangements / orderedThrows});
    };
    Counts base = kept;
    forEachMultiset(variant, thrown, 1, base, collect);
    return outcomes;
}

KeepBounds variantKeepBounds(const Variant& variant, const Counts& lastCall, const Counts& dice,
                             const Counts& locked, RuleOptions options) {
    const bool callHeld = holdsCall(dice, lastCall);
    KeepBounds bounds;
    for (std::size_t face = 1; face <= static_cast<std::size_t>(variant.faces); ++face) {
        int free = 0;
        if (options.fixAny) {
            free = dice[face];
        } else if (callHeld) {
            free = std::min(lastCall[face], dice[face]);
        }
        const int mustStay = options.fixPermanent ? std::min(locked[face], dice[face]) : 0;
        bounds.least[face] = mustStay;
        bounds.most[face] = std::max(mustStay, free);
    }
    return bounds;
}

std::vector<Counts> keepChoices(const Variant& variant, const KeepBounds& bounds) {
    std::vector<Counts> choices{bounds.least};
    for (std::size_t face = 1; face <= static_cast<std::size_t>(variant.faces); ++face) {
        std::vector<Counts> widened;
        for (const Counts& choice : choices) {
            for (int count = bounds.least[face]; count <= bounds.most[face]; ++count) {
                Counts next = choice;
                next[face] = count;
                widened.push_back(next);
            }
        }
        choices = std::move(widened);
    }
    return choices;
}

} // namespace quintel::wholegame
