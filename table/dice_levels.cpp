#include "table/form_start.h"

#include "app/game.h"
#include "model/dice.h"

#include <span>
#include <string>

namespace quintel {

int FormStart::dieValue(int index) const {
    const std::string& caption = Dice[static_cast<std::size_t>(index)].caption;
    return !caption.empty() && isFaceDigit(caption.front()) ? caption.front() - '0' : 0;
}

std::array<int, kDiceCount> FormStart::diceValues() const {
    std::array<int, kDiceCount> values{};
    for (int i = 0; i < kDiceCount; ++i) {
        values[static_cast<std::size_t>(i)] = dieValue(i);
    }
    return values;
}

void FormStart::Dice_Level_Cal() {
    std::array<int, kDiceCount> values = diceValues();
    game().state.DiceFaceCount = arrangeDice(values);
    for (std::size_t i = 0; i < values.size(); ++i) {
        Dice[i].caption = values[i] != 0 ? std::to_string(values[i]) : std::string();
    }
}

void FormStart::Fix_Level_Cal() {
    FixFaceCount = arrangeDice(game().state.FixDice);
}

void FormStart::Last_Level_Cal() {
    GameState& state = game().state;
    state.LastFaceCount = arrangeDice(std::span(state.LastCallDice).first<kDiceCount>());
}

bool FormStart::lastCallHeld() const {
    const GameState& state = game().state;
    return covers(state.DiceFaceCount, state.LastFaceCount);
}

} // namespace quintel
