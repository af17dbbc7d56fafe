#pragma once

#include "model/call_list.h"
#include "model/dice.h"

#include <span>
#include <vector>

namespace quintel::solver {

// The shape of the game being solved: how many faces the dice have and how many dice are thrown.
// Everything else (face rank 1 highest then F..2, shape weights, the beats relation, the keep rule)
// is the real game's, so a reduced variant is small enough to check by other means.
struct Variant {
    int faces = kFaces;
    int dice = kDiceCount;
    bool operator==(const Variant&) const = default;
};

inline constexpr Variant kRealGame{};

// Faces beyond six or more than five dice do not fit the model's face counts and call digits.
bool isSupported(Variant variant);

// Every multiset of 0..N dice of the variant's faces, each with an index. Face counts of faces
// above F are always 0, so the model's rules apply to them unchanged.
class DiceSets {
public:
    explicit DiceSets(Variant variant);

    Variant variant() const { return variant_; }
    int count() const { return static_cast<int>(sets_.size()); }
    const FaceCounts& counts(int index) const { return sets_[static_cast<std::size_t>(index)]; }
    int diceIn(int index) const { return sizes_[static_cast<std::size_t>(index)]; }
    // The index of a multiset, or -1 when it is none of the variant's.
    int indexOf(const FaceCounts& counts) const;
    // The sets of exactly `dice` dice, in index order.
    std::span<const int> ofSize(int dice) const;
    int empty() const { return ofSize(0).front(); }

private:
    int keyOf(const FaceCounts& counts) const;

    Variant variant_;
    std::vector<FaceCounts> sets_;
    std::vector<int> sizes_;
    std::vector<int> indexByKey_;
    std::vector<std::vector<int>> bySize_;
};

// The chance of throwing exactly these dice with as many fair dice: a multinomial over F^n.
double throwChance(const FaceCounts& thrown, Variant variant);

// The variant's calls (every multiset of 1..N dice), weakest first: each beats every call before
// it by the model's relation.
std::vector<FaceCounts> callsWeakestFirst(Variant variant);

// The dice of a call in the table's form: canonical order, 0 for each empty place.
CallDigits callDigits(const FaceCounts& counts);

} // namespace quintel::solver
