#pragma once

#include "match/player.h"
#include "model/random_source.h"
#include "model/rule_options.h"
#include "opponent/master_learning.h"
#include "records/opponent.h"
#include "records/player_files.h"
#include "solver/solved_game.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace quintel {

class EnginePlayer;
struct EngineFault;

// The name the record gives the opponent: "classic", "expert", "master" or "engine".
std::string_view recordName(Opponent opponent);
// The history's line after the options line when an outside engine plays.
std::string engineHistoryLine(std::string_view engineName);

// The folder of the solved games, found from the program's own folder and nothing compiled in: the
// installed copy beside an installed program (PREFIX/share/quintel/solved for PREFIX/bin/quintel),
// else share/quintel/solved in the program's folder, where the build puts a copy, so that a build
// moved elsewhere still finds its data (or the Expert says which file it could not read).
std::filesystem::path solvedDataFolder(const std::filesystem::path& programFolder);

// The computers a sign-in may seat, for the whole run. The Expert reads the solved game of the
// options in force from `solvedFolder` when it is first chosen with them, and keeps it.
class ComputerSeats {
public:
    explicit ComputerSeats(std::filesystem::path solvedFolder);
    ~ComputerSeats();
    ComputerSeats(const ComputerSeats&) = delete;
    ComputerSeats& operator=(const ComputerSeats&) = delete;

    // What a seated computer plays with: the game's random source, where its notes go and the
    // profile the classic computer reads.
    struct Context {
        RandomSource& random;
        match::SeatNotes& notes;
        const Profile* profile = nullptr;
        // Told of each fault of an outside engine at the seat.
        std::function<void(const EngineFault&)> engineFault = {};
        // What the Master knew of the player under the options when they signed in (nothing: it
        // starts from nothing), and where what it learns after each game goes.
        std::function<std::shared_ptr<solver::PlayerModel>(
            std::shared_ptr<const solver::SolvedGame>)>
            masterModel = {};
        MasterLearning::Learnt masterLearnt = {};
        double masterRisk = MasterComputer::kDefaultRisk;
        // The Master waits for its passes over the belief (MasterComputer): seeded runs.
        bool masterWaits = false;
    };
    struct Seated {
        match::Player* computer = nullptr;
        Opponent opponent = Opponent::Classic;
        std::string problem; // why the Expert could not play; empty when it does or was not chosen
        // What the table must tell of its games for the seat to learn (the Master's learning).
        match::MatchListener* learning = nullptr;
    };
    // A fresh computer for each sign-in: the Expert, the Master or the outside engine when it is
    // chosen, the classic computer otherwise and when the solved game cannot be read or the
    // engine no longer plays. It plays until the next seat.
    Seated seat(Opponent chosen, RuleOptions options, const Context& context);

    // Starts the outside engine that sign-ins may choose, for the whole run, and greets it; why
    // it cannot play, if it cannot (then no engine is offered).
    std::string startEngine(const std::string& command, std::chrono::milliseconds moveTime);
    // The name the engine gave; empty when none plays.
    std::string engineName() const;

    const std::filesystem::path& solvedFolder() const { return solvedFolder_; }
    // The solved game of the options, read once; nothing when it cannot be read (`problem` says
    // why).
    std::shared_ptr<const solver::SolvedGame> solvedGame(RuleOptions options, std::string& problem);

private:
    std::filesystem::path solvedFolder_;
    std::array<std::shared_ptr<const solver::SolvedGame>, 4> solved_; // by options
    std::unique_ptr<EnginePlayer> engine_;
    Seated seatSolved(Opponent chosen, std::shared_ptr<const solver::SolvedGame> game,
                      const Context& context);

    std::unique_ptr<match::Player> seated_;
    std::unique_ptr<MasterLearning> learning_;
};

} // namespace quintel
