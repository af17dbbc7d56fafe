#pragma once

#include "solver/stage_game.h"

#include <cstdint>
#include <vector>

namespace quintel::solver {

// The strategies of many stages in a few flat arrays, in the order they were added. A solve of
// the real game has some 200,000 stages; as separate vectors they take long to build and free,
// and a stored solve must load quickly. A stage's StageStrategy is rebuilt from here on request.
//
// A type's calls are listed with their chances; the chances of trust are those the strategy
// keeps (of the calls its types make: fullTrust works out the rest).
struct PackedStrategies {
    std::vector<std::uint32_t> typeBegin{0};  // per stage, into callCounts; one past the last too
    std::vector<std::uint8_t> callCounts;     // per type: how many calls it makes
    std::vector<std::uint32_t> callBegin{0};  // per stage, into calls and chances
    std::vector<std::uint16_t> calls;         // by type, increasing within a type
    std::vector<double> chances;              // of each call, parallel to calls
    std::vector<std::uint32_t> trustBegin{0}; // per stage, into trustCalls and trust
    std::vector<std::uint16_t> trustCalls;    // by increasing call within a stage
    std::vector<double> trust;                // parallel to trustCalls

    std::size_t stageCount() const { return typeBegin.size() - 1; }
    void append(const StageStrategy& strategy);
    // Whether the arrays fit together: each stage's calls are as many as its types' counts say,
    // and every call is below `callCount`. A stored solve is checked once when it loads.
    bool fitsTogether(int callCount) const;
    StageStrategy at(std::size_t stage) const;
    bool operator==(const PackedStrategies&) const = default;
};

} // namespace quintel::solver
