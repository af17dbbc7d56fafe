#pragma once

#include <string_view>

namespace quintel {

// The history's line after the logs of a game in which the coach was shown.
inline constexpr std::string_view kCoachHistoryLine = "Coach used";
// The coach's key on the table.
inline constexpr std::string_view kCoachKey = "A";

} // namespace quintel
