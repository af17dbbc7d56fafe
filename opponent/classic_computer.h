#pragma once

#include "match/dice.h"
#include "match/player.h"
#include "model/history_sink.h"
#include "model/random_source.h"
#include "opponent/classic_policy.h"
#include "opponent/engine/engine.h"
#include "records/player_files.h"

#include <span>
#include <string>
#include <string_view>

namespace quintel {

// The engine's trace goes to the seat's notes.
class NotesAsHistory : public HistorySink {
public:
    explicit NotesAsHistory(match::SeatNotes& notes) : notes_(notes) {}
    void writeLine(std::string_view text) override { notes_.line(text); }

private:
    match::SeatNotes& notes_;
};

// The game's own computer. It judges the player's call with the engine and the player's profile,
// and either does not trust it or takes the dice over, keeps some, throws the rest and answers
// with a call of its own: its real hand when that beats the call, else a bluff built on what it
// kept. Its notes are the history's lines of the computer's turn.
class ClassicComputer : public match::Player {
public:
    // A bluff names the computer's hold plus random dice; this many candidates at most are drawn
    // before the computer settles for the weakest call that is allowed.
    static constexpr int kBluffBound = 1000;

    struct Statistics {
        long long turns = 0;
        long long challenges = 0;
        long long bluffs = 0;       // calls found by the bluff search
        long long settledCalls = 0; // bluff searches that ended at the bound
        int lastBluffSearch = 0;    // candidates drawn in the last search (0: none)
        int longestBluffSearch = 0; // most candidates drawn in one search
    };

    // `profile` corrects its judgement; without one it has learnt nothing about the player.
    ClassicComputer(RandomSource& random, match::SeatNotes& notes, const Profile* profile);

    match::Action decide(const match::SeatView& view) override;

    const Statistics& statistics() const { return statistics_; }

private:
    match::Action answer(const match::SeatView& view);
    match::Action keep(const match::SeatView& view);
    match::Action call(const match::SeatView& view);
    ComputerCall bluff(std::string_view hold, std::span<const int> last, int lastLevel);

    RandomSource& random_;
    match::SeatNotes& notes_;
    NotesAsHistory engineNotes_;
    Form1 engine_;
    const Profile* profile_;
    Statistics statistics_;
};

} // namespace quintel
