#pragma once

#include "match/player.h"
#include "model/random_source.h"
#include "model/rule_options.h"
#include "records/opponent.h"
#include "records/player_files.h"
#include "solver/solved_game.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace quintel {

// The folder of the solved games: the installed copy beside an installed program
// (PREFIX/share/quintel/solved for PREFIX/bin/quintel), else the source tree's.
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
    };
    struct Seated {
        match::Player* computer = nullptr;
        Opponent opponent = Opponent::Classic;
        std::string problem; // why the Expert could not play; empty when it does or was not chosen
    };
    // A fresh computer for each sign-in: the Expert when it is chosen, the classic computer
    // otherwise and when the Expert's solved game cannot be read. It plays until the next seat.
    Seated seat(Opponent chosen, RuleOptions options, const Context& context);

    const std::filesystem::path& solvedFolder() const { return solvedFolder_; }
    // The solved game of the options, read once; nothing when it cannot be read (`problem` says
    // why).
    std::shared_ptr<const solver::SolvedGame> solvedGame(RuleOptions options, std::string& problem);

private:
    std::filesystem::path solvedFolder_;
    std::array<std::shared_ptr<const solver::SolvedGame>, 4> solved_; // by options
    std::unique_ptr<match::Player> seated_;
};

} // namespace quintel
