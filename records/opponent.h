#pragma once

#include <string_view>

namespace quintel {

// The computer the player faces: the game's own, the one that plays the solved game, the one that
// plays it but learns the player, or an outside engine the program was started with.
enum class Opponent { Classic, Expert, Engine, Master };

// The history's line after the options line when the Expert plays.
inline constexpr std::string_view kExpertHistoryLine = "Opponent : Expert";
inline constexpr std::string_view kMasterHistoryLine = "Opponent : Master";

} // namespace quintel
