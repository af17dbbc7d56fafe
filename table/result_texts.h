#pragma once

#include <string_view>

namespace quintel {

// The texts with which the table ends a game. The two wins differ in their letters: the player
// who did not trust a false call reads "YOU Win!!!", the player whose call the computer did not
// trust in vain reads "YOU WIN!!!".
inline constexpr std::string_view kWonByChallengeText = "YOU Win!!!";
inline constexpr std::string_view kWonAgainstChallengeText = "YOU WIN!!!";
inline constexpr std::string_view kLostText = "YOU Lose!!";

// The verdict's first line: the challenger's name, then this.
inline constexpr std::string_view kNotTrustText = " Not Trust Last Call";
inline constexpr std::string_view kContinueQuestion = "Continue ? ";
// The tally shown when the player stops: "Play  3 , Win  2".
inline constexpr std::string_view kTallyPlayedText = "Play  ";
inline constexpr std::string_view kTallyWonText = "Win  ";

} // namespace quintel
