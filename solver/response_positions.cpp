#include "solver/response_positions.h"

#include <array>

namespace quintel::solver {

namespace {

constexpr int kCodes = 6 * 6 * 6 * 6 * 6 * 6; // each face shown by 0..5 dice

int codeOf(const FaceCounts& counts) {
    int code = 0;
    for (std::size_t face = kFaces; face >= 1; --face) {
        code = code * 6 + counts[face];
    }
    return code;
}

int diceIn(const FaceCounts& counts) {
    int dice = 0;
    for (std::size_t face = 1; face <= kFaces; ++face) {
        dice += counts[face];
    }
    return dice;
}

struct CallPlaces {
    std::vector<FaceCounts> counts;
    std::vector<int> byCode = std::vector<int>(kCodes, -1);
};

const CallPlaces& callPlaces() {
    static const CallPlaces places = [] {
        CallPlaces built;
        for (const RankedCall& call : everyCallWeakestFirst()) {
            const FaceCounts counts = countFaces(call.dice);
            built.byCode[static_cast<std::size_t>(codeOf(counts))] =
                static_cast<int>(built.counts.size());
            built.counts.push_back(counts);
        }
        return built;
    }();
    return places;
}

// n! / (r1! ... r6!) / 6^n: the chance that n thrown dice show the faces `thrown` counts.
double throwChance(const FaceCounts& thrown) {
    constexpr std::array<double, 6> factorial{1, 1, 2, 6, 24, 120};
    const int n = diceIn(thrown);
    double chance = factorial[static_cast<std::size_t>(n)];
    for (std::size_t face = 1; face <= kFaces; ++face) {
        chance /= factorial[static_cast<std::size_t>(thrown[face])];
    }
    for (int i = 0; i < n; ++i) {
        chance /= kFaces;
    }
    return chance;
}

bool partOf(const FaceCounts& part, const FaceCounts& hand) {
    return covers(hand, part);
}

} // namespace

int callCount() {
    return static_cast<int>(callPlaces().counts.size());
}

CallIndex callIndexOf(const FaceCounts& dice) {
    return callPlaces().byCode[static_cast<std::size_t>(codeOf(dice))];
}

const FaceCounts& callCounts(CallIndex call) {
    return callPlaces().counts[static_cast<std::size_t>(call)];
}

const CallDigits& callDigits(CallIndex call) {
    return everyCallWeakestFirst()[static_cast<std::size_t>(call)].dice;
}

const FiveDiceSets& FiveDiceSets::get() {
    static const FiveDiceSets sets;
    return sets;
}

FiveDiceSets::FiveDiceSets() : codes_(kCodes, -1) {
    FaceCounts counts{};
    const auto add = [&](auto&& self, std::size_t face, int left) -> void {
        if (face > kFaces) {
            codes_[static_cast<std::size_t>(codeOf(counts))] = static_cast<int>(counts_.size());
            counts_.push_back(counts);
            sizes_.push_back(diceIn(counts));
            return;
        }
        for (int n = 0; n <= left; ++n) {
            counts[face] = n;
            self(self, face + 1, left - n);
        }
        counts[face] = 0;
    };
    add(add, 1, kDiceCount);
    empty_ = setOf(FaceCounts{});

    const std::size_t sets = counts_.size();
    outcomes_.resize(sets);
    parts_.resize(sets);
    pairs_.assign(sets * sets, -1);
    for (std::size_t hand = 0; hand < sets; ++hand) {
        if (sizes_[hand] != kDiceCount) {
            continue;
        }
        hands_.push_back(static_cast<int>(hand));
        for (std::size_t part = 0; part < sets; ++part) {
            if (!partOf(counts_[part], counts_[hand])) {
                continue;
            }
            FaceCounts thrown{};
            for (std::size_t face = 1; face <= kFaces; ++face) {
                thrown[face] = counts_[hand][face] - counts_[part][face];
            }
            outcomes_[part].push_back({static_cast<int>(hand), throwChance(thrown)});
            parts_[hand].push_back(static_cast<int>(part));
            pairs_[part * sets + hand] = pairCount_++;
        }
    }
}

int FiveDiceSets::setOf(const FaceCounts& counts) const {
    return codes_[static_cast<std::size_t>(codeOf(counts))];
}

std::string FiveDiceSets::digits(int set) const {
    std::string text;
    const FaceCounts& faces = counts(set);
    for (std::size_t face = 1; face <= kFaces; ++face) {
        text.append(static_cast<std::size_t>(faces[face]), static_cast<char>('0' + face));
    }
    return arrangeDigits(text);
}

double FiveDiceSets::handChance(int hand) const {
    return throwChance(counts(hand));
}

} // namespace quintel::solver
