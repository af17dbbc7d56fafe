#pragma once

#include "model/call_list.h"
#include "model/dice.h"

#include <string>
#include <vector>

namespace quintel::solver {

// A call as its place among every call, weakest first: a call beats exactly the calls of a lower
// place.
using CallIndex = int;

int callCount();
// Every die of a call is one of its face counts; a call is the multiset of its dice.
CallIndex callIndexOf(const FaceCounts& dice);
const FaceCounts& callCounts(CallIndex call);
const CallDigits& callDigits(CallIndex call);

// Every multiset of zero to five dice has a place; `part` and `hand` below are such places, a hand
// being one of five dice.
class FiveDiceSets {
public:
    static const FiveDiceSets& get();

    int setCount() const { return static_cast<int>(counts_.size()); }
    const FaceCounts& counts(int set) const { return counts_[static_cast<std::size_t>(set)]; }
    int setOf(const FaceCounts& counts) const;
    int size(int set) const { return sizes_[static_cast<std::size_t>(set)]; }
    // The digits of a set, in canonical order.
    std::string digits(int set) const;
    int emptySet() const { return empty_; }

    const std::vector<int>& hands() const { return hands_; }
    // The hands that `part` is a part of, with the chance of ending with each when the part is
    // kept and the other dice are thrown.
    struct Outcome {
        int hand = 0;
        double chance = 0.0;
    };
    const std::vector<Outcome>& throwsAround(int part) const {
        return outcomes_[static_cast<std::size_t>(part)];
    }
    // The chance of throwing `hand` with all five dice.
    double handChance(int hand) const;

    // Dense places of the pairs (part of a hand, hand), for tables over them.
    int pairCount() const { return pairCount_; }
    int pairOf(int part, int hand) const {
        return pairs_[static_cast<std::size_t>(part) * counts_.size() +
                      static_cast<std::size_t>(hand)];
    }
    const std::vector<int>& partsOf(int hand) const {
        return parts_[static_cast<std::size_t>(hand)];
    }

private:
    FiveDiceSets();

    std::vector<FaceCounts> counts_;
    std::vector<int> sizes_;
    std::vector<int> codes_; // a set's place by its counts in base 6
    std::vector<int> hands_;
    std::vector<std::vector<Outcome>> outcomes_;
    std::vector<std::vector<int>> parts_;
    std::vector<int> pairs_;
    int pairCount_ = 0;
    int empty_ = 0;
};

} // namespace quintel::solver
