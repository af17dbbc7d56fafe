#pragma once

#include "model/dice.h"

#include <array>
#include <vector>

namespace quintel {

// A call as the table keeps it: dice in canonical order, 0 for an empty place.
using CallDigits = std::array<int, kDiceCount>;

struct RankedCall {
    CallDigits dice;
    int level = 0; // shape score of the dice
};

// Every call of one to five dice, each multiset of dice once (461 of them), from the weakest to
// the strongest: each call beats every call before it.
const std::vector<RankedCall>& everyCallWeakestFirst();

} // namespace quintel
