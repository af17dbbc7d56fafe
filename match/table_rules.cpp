#include "match/table_rules.h"

namespace quintel::match {

ChangeLayout changeLayout(const Call& lastCall, const Dice& dice, const Kept& locked,
                          RuleOptions options) {
    ChangeLayout layout{};
    layout.fill(DieChoice::MustThrow);
    if (options.fixAny) {
        layout.fill(DieChoice::Free);
    } else if (lastCall.heldBy(dice.counts())) {
        FaceCounts callLeft = lastCall.counts();
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            int& left = callLeft[static_cast<std::size_t>(dice[i])];
            if (left >= 1) {
                layout[i] = DieChoice::Free;
                --left;
            }
        }
    }
    if (options.fixPermanent) {
        FaceCounts lockedLeft = locked.counts();
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            int& left = lockedLeft[static_cast<std::size_t>(dice[i])];
            if (left >= 1) {
                layout[i] = DieChoice::Locked;
                --left;
            }
        }
    }
    return layout;
}

KeepRange keepRangeFor(const Call& lastCall, const Dice& dice, const Kept& locked,
                       RuleOptions options) {
    return keepRange(lastCall.counts(), dice.counts(), locked.counts(), options);
}

bool followsLayout(const ChangeLayout& layout, const std::array<bool, kDiceCount>& kept) {
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        if ((layout[i] == DieChoice::Locked && !kept[i]) ||
            (layout[i] == DieChoice::MustThrow && kept[i])) {
            return false;
        }
    }
    return true;
}

} // namespace quintel::match
