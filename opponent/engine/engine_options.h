#pragma once

namespace quintel {

// The two rule options that decide which holds the search may choose.
struct EngineOptions {
    bool fixAny = false;       // any dice may be kept, not only dice of the call
    bool fixPermanent = false; // dice fixed earlier must stay kept
};

} // namespace quintel
