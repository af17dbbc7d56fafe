#pragma once

#include "match/dice.h"
#include "model/keep_rules.h"
#include "model/rule_options.h"

#include <array>
#include <optional>

namespace quintel::match {

// What a die may do when a seat that trusted a call throws again.
enum class DieChoice {
    Free,      // kept or thrown, as the seat chooses
    MustThrow, // not part of the call (or the dice do not hold the call): thrown again
    Locked,    // fixed by the previous caller under "Fix Permanent": kept
};

using ChangeLayout = std::array<DieChoice, kDiceCount>;

// The rules of a throw after trusting `lastCall`, die by die in their places. With "Fix Any"
// every die is free. Otherwise, when the dice hold the call, dice of the call are free, taken
// from the left, and every other die must be thrown; when they do not, all must be thrown. Under
// "Fix Permanent" the dice `locked` (the previous caller's fixed dice) are then locked, taken
// from the left, whatever was decided before.
ChangeLayout changeLayout(const Call& lastCall, const Dice& dice, const Kept& locked,
                          RuleOptions options);

// The same rules as face counts: how many dice of each face may be kept.
KeepRange keepRangeFor(const Call& lastCall, const Dice& dice, const Kept& locked,
                       RuleOptions options);

// Whether keeping the places `kept` (true = kept) follows `layout`: locked dice kept, dice that
// must be thrown thrown.
bool followsLayout(const ChangeLayout& layout, const std::array<bool, kDiceCount>& kept);

} // namespace quintel::match
