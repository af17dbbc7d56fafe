#include "app/engine_seat.h"

namespace quintel {

EngineSeat::EngineSeat(EnginePlayer& engine, RandomSource& random, match::SeatNotes& notes,
                       const Profile* profile)
    : engine_(engine), standIn_(random, notes, profile) {}

match::Player& EngineSeat::playing() {
    if (inGame_ == nullptr) {
        inGame_ = engine_.gone() ? static_cast<match::Player*>(&standIn_) : &engine_;
    }
    return *inGame_;
}

match::Action EngineSeat::decide(const match::SeatView& view) {
    return playing().decide(view);
}

void EngineSeat::gameStarted(Seat seat, RuleOptions options) {
    inGame_ = nullptr;
    playing().gameStarted(seat, options);
    // An engine found ended as the game begins has not lost it: the classic computer plays it.
    if (inGame_ == &engine_ && engine_.gone()) {
        inGame_ = &standIn_;
        standIn_.gameStarted(seat, options);
    }
}

void EngineSeat::gameDecided(Seat seat, const GameOutcome& outcome) {
    playing().gameDecided(seat, outcome);
    inGame_ = nullptr;
}

} // namespace quintel
