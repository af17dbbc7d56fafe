#pragma once

namespace quintel {

inline constexpr int kCounterMax = 32767;

// Adds one to a game counter, stopping at the largest value the player's files can hold.
constexpr void countUp(int& counter) {
    if (counter < kCounterMax) {
        ++counter;
    }
}

} // namespace quintel
