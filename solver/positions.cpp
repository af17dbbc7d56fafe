#include "solver/positions.h"

#include "model/keep_rules.h"

namespace quintel::solver {

FaceCounts addCounts(const FaceCounts& a, const FaceCounts& b) {
    FaceCounts sum{};
    for (std::size_t face = 1; face <= kFaces; ++face) {
        sum[face] = a[face] + b[face];
    }
    return sum;
}

std::vector<int> subsetsOf(const DiceSets& sets, int set) {
    const FaceCounts& whole = sets.counts(set);
    std::vector<int> subsets;
    FaceCounts part{};
    auto add = [&](auto&& self, std::size_t face) -> void {
        if (face > kFaces) {
            subsets.push_back(sets.indexOf(part));
            return;
        }
        for (int n = 0; n <= whole[face]; ++n) {
            part[face] = n;
            self(self, face + 1);
        }
        part[face] = 0;
    };
    add(add, 1);
    return subsets;
}

GameTables::GameTables(Variant variant, RuleOptions options)
    : sets_(variant), options_(options), callOfSet_(static_cast<std::size_t>(sets_.count()), -1) {
    for (const FaceCounts& call : callsWeakestFirst(variant)) {
        const int set = sets_.indexOf(call);
        callOfSet_[static_cast<std::size_t>(set)] = callCount();
        callSets_.push_back(set);
    }
    const auto setCount = static_cast<std::size_t>(sets_.count());
    holdingByPair_.assign(setCount * setCount, -1);
    subsetsOfHand_.resize(setCount);
    for (const int hand : sets_.ofSize(variant.dice)) {
        subsetsOfHand_[static_cast<std::size_t>(hand)] = subsetsOf(sets_, hand);
        const std::vector<int> lockable =
            options.fixPermanent ? subsetsOf(sets_, hand) : std::vector<int>{sets_.empty()};
        for (const int locked : lockable) {
            holdingByPair_[static_cast<std::size_t>(hand) * setCount +
                           static_cast<std::size_t>(locked)] = holdingCount();
            holdings_.push_back({hand, locked});
        }
    }
    cover_.assign(setCount * callSets_.size(), 0);
    for (const int hand : sets_.ofSize(variant.dice)) {
        for (int call = 0; call < callCount(); ++call) {
            cover_[static_cast<std::size_t>(hand) * callSets_.size() +
                   static_cast<std::size_t>(call)] =
                quintel::covers(sets_.counts(hand), sets_.counts(callSet(call))) ? 1 : 0;
        }
    }
}

int GameTables::holdingIndex(int hand, int locked) const {
    if (!options_.fixPermanent) {
        locked = sets_.empty();
    }
    if (hand < 0 || locked < 0) {
        return -1;
    }
    return holdingByPair_[static_cast<std::size_t>(hand) * static_cast<std::size_t>(sets_.count()) +
                          static_cast<std::size_t>(locked)];
}

std::vector<int> GameTables::allowedKeeps(int call, int holdingIndexValue) const {
    const Holding& held = holding(holdingIndexValue);
    const KeepRange range = keepRange(sets_.counts(callSet(call)), sets_.counts(held.hand),
                                      sets_.counts(held.locked), options_);
    std::vector<int> keeps;
    for (const int kept : subsetsOfHand_[static_cast<std::size_t>(held.hand)]) {
        if (keepAllowed(range, sets_.counts(kept))) {
            keeps.push_back(kept);
        }
    }
    return keeps;
}

int GameTables::holdingAfterThrow(int kept, int thrown) const {
    const int hand = sets_.indexOf(addCounts(sets_.counts(kept), sets_.counts(thrown)));
    return holdingIndex(hand, kept);
}

std::optional<int> GameTables::throwType(int kept, int thrown) const {
    const auto types = sets_.ofSize(variant().dice - sets_.diceIn(kept));
    const auto type = std::ranges::find(types, thrown);
    if (type == types.end()) {
        return std::nullopt;
    }
    return static_cast<int>(type - types.begin());
}

} // namespace quintel::solver
