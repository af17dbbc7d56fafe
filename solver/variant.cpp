#include "solver/variant.h"

#include "model/call_rules.h"

#include <algorithm>
#include <cmath>

namespace quintel::solver {

bool isSupported(Variant variant) {
    return variant.faces >= 1 && variant.faces <= kFaces && variant.dice >= 1 &&
           variant.dice <= kDiceCount;
}

DiceSets::DiceSets(Variant variant)
    : variant_(variant), bySize_(static_cast<std::size_t>(variant.dice) + 1) {
    std::size_t keys = 1;
    for (int face = 0; face < variant.faces; ++face) {
        keys *= static_cast<std::size_t>(variant.dice) + 1;
    }
    indexByKey_.assign(keys, -1);
    FaceCounts counts{};
    auto add = [&](auto&& self, int face, int left) -> void {
        if (face > variant_.faces) {
            const int index = count();
            sets_.push_back(counts);
            sizes_.push_back(variant_.dice - left);
            indexByKey_[static_cast<std::size_t>(keyOf(counts))] = index;
            bySize_[static_cast<std::size_t>(variant_.dice - left)].push_back(index);
            return;
        }
        for (int n = 0; n <= left; ++n) {
            counts[static_cast<std::size_t>(face)] = n;
            self(self, face + 1, left - n);
        }
        counts[static_cast<std::size_t>(face)] = 0;
    };
    add(add, 1, variant.dice);
}

int DiceSets::keyOf(const FaceCounts& counts) const {
    int key = 0;
    for (int face = variant_.faces; face >= 1; --face) {
        key = key * (variant_.dice + 1) + counts[static_cast<std::size_t>(face)];
    }
    return key;
}

int DiceSets::indexOf(const FaceCounts& counts) const {
    int total = 0;
    for (std::size_t face = 1; face <= kFaces; ++face) {
        const int n = counts[face];
        if (n < 0 || (n > 0 && static_cast<int>(face) > variant_.faces)) {
            return -1;
        }
        total += n;
    }
    if (total > variant_.dice) {
        return -1;
    }
    return indexByKey_[static_cast<std::size_t>(keyOf(counts))];
}

std::span<const int> DiceSets::ofSize(int dice) const {
    return bySize_[static_cast<std::size_t>(dice)];
}

double throwChance(const FaceCounts& thrown, Variant variant) {
    int dice = 0;
    double ways = 1;
    for (std::size_t face = 1; face <= kFaces; ++face) {
        for (int k = 1; k <= thrown[face]; ++k) {
            ++dice;
            ways = ways * dice / k;
        }
    }
    return ways / std::pow(variant.faces, dice);
}

CallDigits callDigits(const FaceCounts& counts) {
    CallDigits digits{};
    std::size_t place = 0;
    for (std::size_t face = 1; face <= kFaces; ++face) {
        for (int k = 0; k < counts[face]; ++k) {
            digits[place++] = static_cast<int>(face);
        }
    }
    arrangeDice(digits);
    return digits;
}

std::vector<FaceCounts> callsWeakestFirst(Variant variant) {
    const DiceSets sets(variant);
    std::vector<FaceCounts> calls;
    for (int index = 0; index < sets.count(); ++index) {
        if (sets.diceIn(index) > 0) {
            calls.push_back(sets.counts(index));
        }
    }
    std::ranges::sort(calls, [](const FaceCounts& a, const FaceCounts& b) {
        return callBeats(callDigits(b), shapeScore(b), callDigits(a), shapeScore(a));
    });
    return calls;
}

} // namespace quintel::solver
