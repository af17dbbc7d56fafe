#pragma once

#include "match/player.h"
#include "model/random_source.h"
#include "opponent/classic_computer.h"
#include "opponent/engine_player.h"
#include "records/player_files.h"

namespace quintel {

// The seat of an outside engine at the game's table: the engine while it plays, then the classic
// computer. An engine whose process ends on its move loses that game, and the classic computer
// plays from the next one. The engine lives on beyond the seat, for the next sign-in.
class EngineSeat : public match::Player {
public:
    EngineSeat(EnginePlayer& engine, RandomSource& random, match::SeatNotes& notes,
               const Profile* profile);

    match::Action decide(const match::SeatView& view) override;
    void gameStarted(Seat seat, RuleOptions options) override;
    void gameDecided(Seat seat, const GameOutcome& outcome) override;

private:
    match::Player& playing();

    EnginePlayer& engine_;
    ClassicComputer standIn_;
    // Whoever began the game in play finishes it.
    match::Player* inGame_ = nullptr;
};

} // namespace quintel
