#pragma once

#include "app/coach_source.h"
#include "call/form_call.h"
#include "match/match.h"
#include "match/player.h"
#include "model/message_boxes.h"
#include "model/random_source.h"
#include "opponent/master_computer.h"
#include "opponent/profile_learning.h"
#include "records/form_welcome.h"
#include "records/game_logs.h"
#include "records/history_file.h"
#include "records/master_models.h"
#include "records/player_files.h"
#include "records/record_keeper.h"
#include "solver/player_model.h"
#include "table/form_start.h"
#include "table/guided_game.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

class ComputerSeats;
struct EngineFault;

// One running game: the table's rules of play, the player who signed in with their files, the
// computer's seat and the single instances of the screens. The history file, the record, the
// player's profile and the logs follow the table's events; the screens present the table and
// hand it the player's actions. Without its screens it plays the same games.
class Game : public match::SeatNotes {
public:
    Game(std::filesystem::path dataFolder, MessageBoxes& messages, RandomSource& random);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    ~Game() override;

    MessageBoxes& messages;
    RandomSource& random;
    const std::filesystem::path dataFolder;
    HistoryFile history;
    // Every decided game, kept in the player's record in the data folder.
    RecordKeeper record;
    // What the Master learnt of each player, kept in the same record.
    MasterModels masterModels;
    // The computer's read of the player who signed in.
    Profile profile;
    match::Match match;
    // The calls of the game in play, as the table shows them and the history keeps them; their
    // names are the seats' (the player's, and "AI").
    GameLogs logs;
    // How the starting seat of a game is chosen: 0 or 1, the player; anything else, at random.
    int firstTurnMode = 0;
    // Games played and won by the player since signing in.
    struct Tally {
        int played = 0;
        int won = 0;
    };
    Tally tally;
    // The computer the player faces, as the record names it.
    std::string opponentName = "classic";

    FormWelcome formWelcome;
    FormStart formStart;
    FormCall formCall;

    // The computer's seat; without one, nothing answers the player (tests set their own).
    match::Player* computer = nullptr;
    // The computers a sign-in chooses from; without them, `computer` stays as it was set.
    ComputerSeats* seats = nullptr;
    // The most the Master may give away to any player, as a share of a game; a Master seated from
    // the next sign-in on takes it (with 0 it risks only what the player gives away in a game).
    double masterRisk = MasterComputer::kDefaultRisk;
    // The Master waits for its passes over the belief, so that a seeded run plays the same on any
    // machine; at the screens it never holds up play.
    bool masterWaits = false;
    // Where the coach's figures against the computer at the table come from.
    CoachSource coach;
    // The coach's figures as things stand; with `wait`, those against the computer at the table
    // however long they take.
    CoachSource::Figures coachFigures(bool wait = false);

    // The player's name.
    const std::string& playerName() const { return logs.names[0]; }
    // The computer the player faces, as the player knows it: "Classic", "Expert", or the name an
    // outside engine gave.
    std::string opponentTitle() const;

    // Signs a player in without a screen: the name checked, the history file begun, the profile
    // read, the options recorded, the computer seated and the history's header written. Tells
    // the player of every problem; false when the player could not sign in.
    bool signIn(const WelcomeChoice& choice);

    // Seats the opponent a sign-in chose for the options in force and names it for the record;
    // returns the one that plays. An Expert or a Master that cannot play is told in a message box
    // and the classic computer plays instead. The Master learns from the games at the table.
    Opponent seatComputer(Opponent chosen);

    // Starts the next game at the table, the starter chosen as `firstTurnMode` says.
    void startGame();

    // Takes the player's action at the table, then lets the computer's seat play while it is to
    // move. The reason the table refused the player's action, if it did.
    std::optional<std::string> play(const match::Action& action);
    // An action of the computer's seat that the table refuses loses it the game; this is told
    // what was refused and why (by default the player, in a message box).
    std::function<void(const match::Action&, std::string_view)> onComputerRefused;

    // How the last decided game ended; empty until a game has been decided.
    std::optional<GameOutcome> lastOutcome;

    // The guided first game, offered at a player's first sign-in and from the table's Help menu.
    GuidedGame guide;
    // The game the guide plays starts now, or, when a game is under way, as the next game: the
    // random source seeded so that its throws are always the same. It is played and written to the
    // history as any game, but neither counted in the figures nor kept in the record, and what the
    // computer learnt of the player in it (the profile, the Master's model) is forgotten: a
    // teaching game leaves the statistics as they were. The random source goes on afterwards from
    // where it stood.
    void startGuidedGame();
    // A game may give way to the guided game: none is in play, or nothing has happened in it.
    bool mayStartGuidedGameNow() const;
    // The game in play is the guided one.
    bool guidedGameInPlay() const { return beforeGuide_.has_value(); }

    // Shows the welcome screen: the program's start.
    void start();

    // Writes the player's profile; tells the player when it cannot be saved.
    void SaveProfile();

    // What closing the table keeps of the stay: the counters as loaded at sign-in, then as they
    // stood after each decided game. The computer's turns of a match cut short taught nothing.
    void profileLoaded();

    // A decided game: it becomes the last outcome, is counted, kept in the player's record and
    // written to the history with its logs, and the profile as it stands now is what closing the
    // table keeps; the guided game is only written to the history. The table's events bring
    // every decided game here.
    void gameDecided(const GameOutcome& outcome);

    // Ends a stay at the table after a decided game: the history closed and the profile saved.
    void endStay();
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

    // The computer's notes go to the history file.
    void line(std::string_view text) override;
    void lineWithCallersDice(std::string_view before, std::string_view after) override;

private:
    // Keeps each decided game: its outcome, the record, the tally and the history's logs.
    class Recorder : public match::MatchListener {
    public:
        explicit Recorder(Game& game) : game_(game) {}
        void gameStarted(const match::Match& match) override;
        void diceThrown(const match::Match& match, Seat seat, std::string_view thrown) override;
        void callMade(const match::Match& match, const match::CallRecord& made) override;
        void gameDecided(const match::Match& match, const GameOutcome& outcome) override;

    private:
        Game& game_;
    };

    // Tells the player what an outside engine did wrong; the classic computer replaces one that
    // ended.
    void engineFault(const EngineFault& fault);
    void saveProfileFigures(const Profile& figures);
    std::shared_ptr<solver::PlayerModel>
    masterModel(std::shared_ptr<const solver::SolvedGame> game);
    void keepMasterModel(const solver::PlayerModel& model);
    void runComputer();

    // The end of the guided game: the random source and the learning as they were before it.
    void guidedGameDecided();
    // A decided game of the player's statistics: the figures, the record and the profile kept.
    void countGame(const GameOutcome& outcome, bool coachUsed);

    // What the guided game in play sets aside until it is decided; nothing when none is in play.
    struct BeforeGuide {
        RandomSource random;
        Profile profile;
        bool learningPaused = false; // the Master's learning was taken off the table
    };
    std::optional<BeforeGuide> beforeGuide_;
    ProfileLearning learning_{profile};
    match::MatchListener* seatLearning_ = nullptr;
    Recorder recorder_{*this};
    Profile profileAtSignIn_;
    Profile profileAfterLastGame_;
};

} // namespace quintel
