#pragma once

#include "model/rule_options.h"
#include "opponent/computer_player.h"
#include "records/form_welcome.h"
#include "solver/solved_game.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace quintel {

class ExpertOpponent;

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

    struct Seated {
        ComputerPlayer* computer = nullptr;
        Opponent opponent = Opponent::Classic;
        std::string problem; // why the Expert could not play; empty when it does or was not chosen
    };
    // A fresh Expert for each sign-in that chooses it; the classic computer otherwise, and when
    // the Expert's solved game cannot be read.
    Seated seat(Opponent chosen, RuleOptions options);

    const std::filesystem::path& solvedFolder() const { return solvedFolder_; }
    // The solved game of the options, read once; nothing when it cannot be read (`problem` says
    // why).
    std::shared_ptr<const solver::SolvedGame> solvedGame(RuleOptions options, std::string& problem);

private:
    std::filesystem::path solvedFolder_;
    ComputerOpponent classic_;
    std::array<std::shared_ptr<const solver::SolvedGame>, 4> solved_; // by options
    std::unique_ptr<ExpertOpponent> expert_;
};

} // namespace quintel
