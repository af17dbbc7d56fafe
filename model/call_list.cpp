#include "model/call_list.h"

#include "model/call_rules.h"

#include <algorithm>

namespace quintel {

namespace {

std::vector<RankedCall> listEveryCall() {
    std::vector<RankedCall> calls;
    CallDigits dice{};
    // Non-decreasing values list each multiset once; 0 stands for an empty place.
    auto add = [&](auto&& self, std::size_t position, int lowest) -> void {
        if (position == dice.size()) {
            CallDigits arranged = dice;
            const FaceCounts counts = arrangeDice(arranged);
            if (arranged[0] != 0) {
                calls.push_back({arranged, shapeScore(counts)});
            }
            return;
        }
        for (int face = lowest; face <= kFaces; ++face) {
            dice[position] = face;
            self(self, position + 1, face);
        }
    };
    add(add, 0, 0);
    // Two different calls never tie, so this order is the only one.
    std::ranges::sort(calls, [](const RankedCall& a, const RankedCall& b) {
        return callBeats(b.dice, b.level, a.dice, a.level);
    });
    return calls;
}

} // namespace

const std::vector<RankedCall>& everyCallWeakestFirst() {
    static const std::vector<RankedCall> calls = listEveryCall();
    return calls;
}

} // namespace quintel
