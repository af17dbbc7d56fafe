#pragma once

#include <string_view>

namespace quintel {

// The computer the player faces: the game's own, or the one that plays the solved game.
enum class Opponent { Classic, Expert };

// The history's line after the options line when the Expert plays.
inline constexpr std::string_view kExpertHistoryLine = "Opponent : Expert";

} // namespace quintel
