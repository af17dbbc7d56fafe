#pragma once

#include "records/player_files.h"

#include <array>
#include <optional>
#include <string>

namespace quintel {

// The player's profile as a chart: for each level of the computer's estimate that a call is true
// (0.0, 0.1, .. 1.0), how many of the player's calls it judged there and how many of those claimed
// less than the dice held.
struct ProfileBar {
    std::string label; // "0.0" .. "1.0"
    int calls = 0;
    // Share of the calls whose dice beat the call itself; none without calls.
    std::optional<double> understated;
};

struct ProfileChart {
    std::array<ProfileBar, 11> bars;
    int calls = 0;
    // What the figures mean for the player, in plain sentences.
    std::string summary;
};

ProfileChart profileChart(const ProfileCounters& counts, const ProfileCounters& scores);

} // namespace quintel
