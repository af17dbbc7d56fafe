#pragma once

#include "match/dice.h"
#include "match/player.h"
#include "model/history_sink.h"
#include "model/random_source.h"
#include "opponent/classic_policy.h"
#include "opponent/computer_judgement.h"
#include "opponent/engine/engine.h"
#include "records/player_files.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace quintel {

// The engine's trace goes to the seat's notes, or, while a result is worked out to be kept, to
// the lines kept with it.
class NotesAsHistory : public HistorySink {
public:
    explicit NotesAsHistory(match::SeatNotes& notes) : notes_(notes) {}
    void writeLine(std::string_view text) override {
        if (keeping_ != nullptr) {
            keeping_->emplace_back(text);
        } else {
            notes_.line(text);
        }
    }
    void keepIn(std::vector<std::string>* lines) { keeping_ = lines; }

private:
    match::SeatNotes& notes_;
    std::vector<std::string>* keeping_ = nullptr;
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
    // The profile it reads; none when it learns nothing about the player.
    const Profile* profile() const { return profile_; }

private:
    // What the engine worked out for a position, with the trace it wrote meanwhile: the engine is
    // a function of the position, so a position met again is answered from what was kept, and its
    // trace written again.
    template <typename Result> struct Worked {
        Result result;
        std::vector<std::string> trace;
    };
    template <typename Result, typename Key, typename Work>
    const Result& worked(std::map<Key, Worked<Result>>& kept, const Key& key, Work work);

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
    // By the call, the fixed dice as read and the options.
    std::map<std::tuple<std::string, std::string, int>, Worked<CallJudgement>> judgements_;
    // By the call, the dice as they lie, the locked dice and the options.
    std::map<std::tuple<std::string, std::string, std::string, int>, Worked<std::string>> holds_;
};

} // namespace quintel
