#pragma once

#include "testing/whole_game/variant_rules.h"

#include <cstddef>
#include <string_view>

namespace quintel::wholegame {

// How close two solves of one game must come.
inline constexpr double kTolerance = 1e-9;

// The face counts of dice written as digits: "113" holds two aces and a three.
inline Counts counts(std::string_view faces) {
    Counts result{};
    for (const char face : faces) {
        ++result.at(static_cast<std::size_t>(face - '0'));
    }
    return result;
}

} // namespace quintel::wholegame
