#pragma once

#include "app/computer_seats.h"
#include "match/match.h"
#include "match/player.h"
#include "match/protocol.h"
#include "model/random_source.h"
#include "opponent/master_computer.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quintel::engine_player {

// One of the game's computers behind the engine protocol (the Master learns the other seat from
// the games of the session, as at the table): each request becomes the view of its
// seat that the table would have given it, and its action the answer. What a request does not
// repeat (the calls of the game so far, the dice it kept at its throw) it remembers from the
// requests and its own answers since the last "newgame".
class ComputerEngine {
public:
    ComputerEngine(Opponent opponent, std::filesystem::path solvedFolder, std::uint64_t seed);

    // The line that answers `request`; nothing for a request without an answer. Throws
    // std::runtime_error when the computer cannot play (the Expert's solved game cannot be read).
    std::optional<std::string> answer(const match::protocol::Request& request);

    const std::string& name() const { return name_; }

private:
    void newGame(RuleOptions options);
    match::SeatView seatView(match::Phase phase) const;
    std::string respond(const match::protocol::Request& request);
    std::string keep(const match::protocol::Request& request);
    std::string call(const match::protocol::Request& request);
    std::string calling(const match::Call& made);
    // The other seat's dice, seen when this seat takes them over or they are shown, complete the
    // record of its last call after a throw.
    void seeHand(const match::Dice& dice);
    // At the result, the Master counts what it saw of the other seat in the game.
    void learn(const match::Dice& shown);

    Opponent opponent_;
    std::string name_;
    ComputerSeats seats_;
    RandomSource random_;
    match::NoNotes notes_;
    RuleOptions options_;
    std::unique_ptr<match::Player> computer_;
    MasterComputer* master_ = nullptr; // the computer, when it is the Master

    // The game so far, as this seat saw it.
    std::vector<match::SeenCall> calls_;
    match::SeatView answered_; // the call it answered last, as it saw it
    match::Kept kept_;         // the dice it kept at its last keep
    // The call it made at once, by keeping all five: the answer to the call request that follows.
    std::optional<match::Call> atOnce_;
    // The game's calls as a table records them, for the Master to learn from, and the other
    // seat's call whose dice it has not seen yet.
    std::vector<match::CallRecord> played_;
    std::optional<std::size_t> handUnseen_;
};

} // namespace quintel::engine_player
