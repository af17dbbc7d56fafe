#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace quintel {

// The beats relation on two calls in canonical order (0 = empty position) with their shape scores:
// a higher shape class wins; within a class the first position whose faces differ decides by face
// rank, an empty position ranking below every face. Equal calls do not beat each other.
bool callBeats(std::span<const int> call, int callScore, std::span<const int> last, int lastScore);

// The same relation on texts of digits in canonical order, with their shape scores. A position
// beyond the end of a text ranks below "0", and "0" below every face.
bool textBeats(std::string_view dice, int diceScore, std::string_view call, int callScore);

// As above, with the shape scores computed from the texts.
bool textBeats(std::string_view dice, std::string_view call);

// False only when `fix` holds five digits that are, as a multiset, the digits of `dice`.
bool compareFixDice(std::string_view fix, std::string_view dice);

// The texts in which a finished call is handed to the computer's turn.
struct HandOverTexts {
    std::string CallString; // five digits of the call, '0' for an empty position
    std::string DiceString; // the captions of the five table dice, joined
    std::string FixString;  // the non-zero fixed dice, only when the caller has thrown
};

HandOverTexts formHandOverTexts(std::span<const int> callDice,
                                std::span<const std::string> diceCaptions,
                                std::span<const int> fixDice, bool diceRolled);

} // namespace quintel
