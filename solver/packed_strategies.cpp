#include "solver/packed_strategies.h"

#include <algorithm>

namespace quintel::solver {

void PackedStrategies::append(const StageStrategy& strategy) {
    for (std::size_t t = 0; t + 1 < strategy.typeStart.size(); ++t) {
        callCounts.push_back(
            static_cast<std::uint8_t>(strategy.typeStart[t + 1] - strategy.typeStart[t]));
    }
    typeBegin.push_back(static_cast<std::uint32_t>(callCounts.size()));
    for (const MixedCall& call : strategy.calls) {
        calls.push_back(static_cast<std::uint16_t>(call.call));
        chances.push_back(call.chance);
    }
    callBegin.push_back(static_cast<std::uint32_t>(calls.size()));
    for (const MixedCall& trusted : strategy.trust) {
        trustCalls.push_back(static_cast<std::uint16_t>(trusted.call));
        trust.push_back(trusted.chance);
    }
    trustBegin.push_back(static_cast<std::uint32_t>(trust.size()));
}

bool PackedStrategies::fitsTogether(int callCount) const {
    const std::size_t stages = stageCount();
    if (callBegin.size() != stages + 1 || trustBegin.size() != stages + 1 ||
        typeBegin.back() != callCounts.size() || callBegin.back() != calls.size() ||
        chances.size() != calls.size() || trustBegin.back() != trust.size() ||
        trustCalls.size() != trust.size()) {
        return false;
    }
    for (std::size_t stage = 0; stage < stages; ++stage) {
        std::uint32_t made = 0;
        for (std::uint32_t t = typeBegin[stage]; t < typeBegin[stage + 1]; ++t) {
            made += callCounts[t];
        }
        if (typeBegin[stage] > typeBegin[stage + 1] || trustBegin[stage] > trustBegin[stage + 1] ||
            callBegin[stage] + made != callBegin[stage + 1]) {
            return false;
        }
    }
    const auto valid = [&](std::uint16_t call) { return call < callCount; };
    return std::ranges::all_of(calls, valid) && std::ranges::all_of(trustCalls, valid);
}

StageStrategy PackedStrategies::at(std::size_t stage) const {
    StageStrategy strategy;
    strategy.typeStart.push_back(0);
    for (std::uint32_t t = typeBegin[stage]; t < typeBegin[stage + 1]; ++t) {
        strategy.typeStart.push_back(strategy.typeStart.back() + callCounts[t]);
    }
    for (std::uint32_t i = callBegin[stage]; i < callBegin[stage + 1]; ++i) {
        strategy.calls.push_back({calls[i], chances[i]});
    }
    for (std::uint32_t i = trustBegin[stage]; i < trustBegin[stage + 1]; ++i) {
        strategy.trust.push_back({trustCalls[i], trust[i]});
    }
    return strategy;
}

} // namespace quintel::solver
