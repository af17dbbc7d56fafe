#include "model/keep_rules.h"

#include <algorithm>

namespace quintel {

KeepRange keepRange(const FaceCounts& lastCall, const FaceCounts& dice, const FaceCounts& locked,
                    RuleOptions options) {
    const bool callHeld = covers(dice, lastCall);
    KeepRange range;
    for (std::size_t face = 1; face <= kFaces; ++face) {
        int selectable = 0;
        if (options.fixAny) {
            selectable = dice[face];
        } else if (callHeld) {
            selectable = std::min(lastCall[face], dice[face]);
        }
        // Locked dice are taken from the left like the selectable ones, so they use up the
        // first selectable places of their face before any other die may be kept.
        const int lockedHere = options.fixPermanent ? std::min(locked[face], dice[face]) : 0;
        range.least[face] = lockedHere;
        range.most[face] = std::max(lockedHere, selectable);
    }
    return range;
}

bool keepAllowed(const KeepRange& range, const FaceCounts& kept) {
    for (std::size_t face = 1; face <= kFaces; ++face) {
        if (kept[face] < range.least[face] || kept[face] > range.most[face]) {
            return false;
        }
    }
    return true;
}

} // namespace quintel
