#pragma once

#include "model/dice.h"
#include "model/rule_options.h"

namespace quintel {

// Which dice a seat that has trusted a call may keep when it changes: for every face, at least
// `least` dice and at most `most` dice of that face stay; every other die is thrown again.
// Entry 0 of both is unused.
struct KeepRange {
    FaceCounts least{};
    FaceCounts most{};
    bool operator==(const KeepRange&) const = default;
};

// The change step on the table, as face counts. `lastCall` names the dice of the trusted call,
// `dice` the five dice taken over, `locked` the previous caller's fixed dice (they stay kept
// under "Fix Permanent"; they are always among `dice`). Without "Fix Any", dice of the call may
// be kept only when the dice hold the whole call; otherwise all are thrown.
KeepRange keepRange(const FaceCounts& lastCall, const FaceCounts& dice, const FaceCounts& locked,
                    RuleOptions options);

// `kept` is a choice the range allows.
bool keepAllowed(const KeepRange& range, const FaceCounts& kept);

} // namespace quintel
