#pragma once

#include "match/protocol.h"

namespace quintel::testing {

// The test engine's play, from the requests alone: it trusts a call below three of a kind that
// can be beaten; after trusting it keeps the call's dice and the locked ones as far as the rules
// allow (all five, a call at once, when they leave nothing to throw); it calls its dice when they
// beat the last call, else the weakest call that does. `options` is what the last "newgame"
// said.
match::protocol::Answer plainAnswer(const match::protocol::Request& request, RuleOptions& options);

} // namespace quintel::testing
