#include "match/action.h"

namespace quintel::match {

std::string describe(const Action& action) {
    switch (action.kind) {
    case ActionKind::Call:
        return "call " + (action.call ? action.call->digits() : std::string("-"));
    case ActionKind::Trust:
        return "trust";
    case ActionKind::Doubt:
        return "not trust";
    case ActionKind::Resign:
        return "resign";
    case ActionKind::Keep:
        break;
    }
    if (!action.keep.places) {
        return "keep " + (action.keep.dice.empty() ? std::string("-") : action.keep.dice.digits());
    }
    std::string places;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        places += (*action.keep.places)[i] ? 'K' : 'T';
    }
    return "keep places " + places;
}

} // namespace quintel::match
