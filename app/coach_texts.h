#pragma once

#include <string_view>

namespace quintel {

// The history's line after the logs of a game in which the coach was shown.
inline constexpr std::string_view kCoachHistoryLine = "Coach used";
// The coach's key on the table.
inline constexpr std::string_view kCoachKey = "A";
// What the coach's chances are, for its hover hint.
inline constexpr std::string_view kCoachHint =
    "The coach: each chance is the solved game's, both seats playing its equilibrium from here on; "
    "against the classic computer the best action may differ";

} // namespace quintel
