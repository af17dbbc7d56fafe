#pragma once

#include "model/rule_options.h"
#include "solver/variant.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quintel::solver {

// What a position holds besides the last call: the N dice on the table (public once a seat has
// trusted) and the dice locked by "Fix Permanent" (always among them; none without that option,
// where they do not matter).
struct Holding {
    int hand = 0;   // DiceSets index of the N dice
    int locked = 0; // DiceSets index of the locked dice
};

// The tables every solve of one variant under one option set shares: calls, holdings, which dice
// cover which calls, and what a mover may keep.
class GameTables {
public:
    GameTables(Variant variant, RuleOptions options);

    Variant variant() const { return sets_.variant(); }
    RuleOptions options() const { return options_; }
    const DiceSets& sets() const { return sets_; }

    int callCount() const { return static_cast<int>(callSets_.size()); }
    // DiceSets index of a call (index in weakest-first order), and back (-1 for no call).
    int callSet(int call) const { return callSets_[static_cast<std::size_t>(call)]; }
    int callOfSet(int set) const { return callOfSet_[static_cast<std::size_t>(set)]; }

    int holdingCount() const { return static_cast<int>(holdings_.size()); }
    const Holding& holding(int index) const { return holdings_[static_cast<std::size_t>(index)]; }
    // -1 when the locked dice are not among the hand; locked dice are ignored without
    // "Fix Permanent".
    int holdingIndex(int hand, int locked) const;

    // The hand's dice hold every die of the call.
    bool covers(int hand, int call) const {
        return cover_[static_cast<std::size_t>(hand) * callSets_.size() +
                      static_cast<std::size_t>(call)] != 0;
    }

    // The sets of dice a mover holding `holding` may keep when it changes after `call`.
    std::vector<int> allowedKeeps(int call, int holding) const;

    // The holding after keeping `kept` and throwing `thrown`.
    int holdingAfterThrow(int kept, int thrown) const;
    // The type `thrown` is in a stage that kept `kept`: its place among the throws of the other
    // dice, as StageGame numbers them; none when it is not such a throw.
    std::optional<int> throwType(int kept, int thrown) const;

private:
    DiceSets sets_;
    RuleOptions options_;
    std::vector<int> callSets_;
    std::vector<int> callOfSet_;
    std::vector<Holding> holdings_;
    std::vector<int> holdingByPair_; // hand set index * set count + locked set index
    std::vector<std::uint8_t> cover_;
    std::vector<std::vector<int>> subsetsOfHand_; // by DiceSets index of the hand
};

// Every sub-multiset of the given dice, as DiceSets indices.
std::vector<int> subsetsOf(const DiceSets& sets, int set);

FaceCounts addCounts(const FaceCounts& a, const FaceCounts& b);

} // namespace quintel::solver
