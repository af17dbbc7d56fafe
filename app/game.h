#pragma once

#include "call/form_call.h"
#include "model/game_state.h"
#include "model/message_boxes.h"
#include "model/random_source.h"
#include "opponent/computer_player.h"
#include "opponent/engine/engine.h"
#include "records/form_welcome.h"
#include "records/history_file.h"
#include "records/player_files.h"
#include "records/record_keeper.h"
#include "table/form_start.h"
#include "table/game_outcome.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

class ComputerSeats;

// One running game: the shared state, the single instances of the screens, the engine and the
// player's open history file. The data folder holds the player's files.
class Game {
public:
    Game(std::filesystem::path dataFolder, MessageBoxes& messages, RandomSource& random);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState state;
    MessageBoxes& messages;
    RandomSource& random;
    const std::filesystem::path dataFolder;
    HistoryFile history;
    // Every decided game, kept in the player's record in the data folder.
    RecordKeeper record;
    // The computer the player faces, as the record names it.
    std::string opponentName = "classic";
    Form1 engine{&history};

    FormWelcome formWelcome;
    FormStart formStart;
    FormCall formCall;

    // The computer's turn; without one, the computer's seat is left to the caller (tests).
    ComputerPlayer* computer = nullptr;
    // The computers a sign-in chooses from; without them, `computer` stays as it was set.
    ComputerSeats* seats = nullptr;
    // Seats the opponent a sign-in chose for the options in force and names it for the record;
    // true when the Expert plays. An Expert that cannot play is told in a message box and the
    // classic computer plays instead.
    bool seatComputer(Opponent chosen);

    // How the last decided game ended; empty until a game has been decided.
    std::optional<GameOutcome> lastOutcome;

    // Shows the welcome screen: the program's start.
    void start();

    // Writes the player's profile; tells the player when it cannot be saved.
    void SaveProfile();

    // What closing the table keeps of the stay: the counters as loaded at sign-in, then as they
    // stood after each decided game. The computer's turns of a match cut short taught nothing.
    void profileLoaded();
    // A game was decided: it becomes the last outcome and is kept in the player's record, and the
    // counters as they stand now are what closing the table keeps.
    void gameDecided(const GameOutcome& outcome);

    // Closing the table ends the program without a game step: the match in progress is dropped,
    // the history closed with what was written, and the profile as it stood after the last
    // decided game saved. A stay without a decided game leaves the profile file as it was.
    void closeTable();

    // Tells the player that one of their files could not be written: in a message box, unless
    // whoever drives the game without a screen takes the news instead.
    void tellFileProblem(std::string_view text);
    std::function<void(std::string_view)> onFileProblem;

    // Set when the program should end (Exit on the welcome screen, the table closed from its
    // frame).
    bool quitRequested = false;
    void quit();

private:
    struct ProfileFigures {
        ProfileCounters counts{};
        ProfileCounters scores{};
        bool operator==(const ProfileFigures&) const = default;
    };
    ProfileFigures currentProfile() const { return {state.ProfileCount, state.ProfileScore}; }
    void saveProfileFigures(const ProfileFigures& figures);

    ProfileFigures profileAtSignIn_;
    ProfileFigures profileAfterLastGame_;
};

} // namespace quintel
