#pragma once

#include <array>
#include <string>

namespace quintel {

inline constexpr int kCounterMax = 32767;

// Adds one to a game counter, stopping at the largest value the player's files can hold.
constexpr void countUp(int& counter) {
    if (counter < kCounterMax) {
        ++counter;
    }
}

// The state that every screen of the game reads and writes: the call being made, the last call,
// the fixed dice, the seats, the figures, the rule options and the player's profile.
struct GameState {
    // The call being formed or tested, positions 0..4 (0 = empty); position 5 stays 0.
    std::array<int, 6> CallDice{};
    int CallLevel = 0; // shape score of CallDice
    std::array<int, 7> CallFaceCount{};

    // The last call of the game; LastCallLevel 0 means no call yet.
    std::array<int, 6> LastCallDice{};
    int LastCallLevel = 0;
    std::array<int, 7> LastFaceCount{};

    std::array<int, 7> DiceFaceCount{};
    // The last caller's kept dice by position; 0 = thrown again.
    std::array<int, 5> FixDice{};
    std::array<bool, 6> DiceMarked{};
    bool DiceRolled = false;

    int PlayerCount = 0;
    std::array<std::string, 5> PlayerNames;
    int CurrentPlayer = 0;
    int FirstTurnMode = 0;
    int GamesWon = 0;
    int GamesPlayed = 0;
    // Entry 0: the computer's five dice after its throw, handed to the table.
    std::array<std::string, 31> MessageFields;

    bool FixAnyOption = false;
    bool FixPermanentOption = false;

    // Per win-probability bucket 0..10: the player's calls judged there, and how many of them
    // understated the dice. Buckets 0..9 are kept in the player's profile file.
    std::array<int, 11> ProfileCount{};
    std::array<int, 11> ProfileScore{};
};

} // namespace quintel
