#pragma once

#include "records/game_record.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quintel {

// One decision the player made in a game: a call (the call made) or not trusting the computer's
// last call (the call not trusted). Calls are counted from 0.
struct PlayerDecision {
    enum class Kind { Call, Challenge };
    Kind kind = Kind::Call;
    std::size_t call = 0;
    bool operator==(const PlayerDecision&) const = default;
};

// What the solved game makes of a decision: the player's chance to win the game after the choice
// made, and after the best choice there was.
struct SolvedChances {
    double chosen = 0.0;
    double best = 0.0;
    // In a game against the Master, what its model of the player holds now of the choice made
    // there: the chance it gives the player of making it. None where the model counts nothing of
    // that kind (a call made at once, an answer to one).
    std::optional<double> masterBelief;
};

// Weighs the player's decisions against the solved game; a review without one shows none.
class DecisionAppraiser {
public:
    virtual ~DecisionAppraiser() = default;
    // None when the solved game does not know the position.
    virtual std::optional<SolvedChances> appraise(const GameRecord& game,
                                                  const PlayerDecision& decision) const = 0;
    // The folder the solved games it weighs against are read from, for whatever else would read
    // them (the player's leaks); empty when it reads none from a folder.
    virtual std::filesystem::path solvedFolder() const { return {}; }
};

// What one step of a review shows: a call, with the dice its caller kept and threw before it and
// what the computer wrote while it weighed the call; or the end of the game.
struct ReviewStep {
    enum class Kind { Call, End };
    Kind kind = Kind::Call;
    Seat seat = Seat::Human; // the caller, or at the end the seat that did not trust
    std::string heading;
    std::string call; // the call made, or at the end the call not trusted
    std::string kept;
    std::string thrown;
    std::string revealed; // the end's five dice
    std::string account;  // what happened, in words
    std::vector<std::string> judgement;
    // What the computer weighed in answering the player's call, in a sentence; empty for the
    // computer's calls and the end, and where the judgement says nothing it can tell.
    std::string weighed;
    std::optional<PlayerDecision> decision; // when the step is the player's decision
    std::optional<SolvedChances> solved;
};

// The five dice on the table after call `index`, as digits: what the last caller who threw kept
// and threw (a call at once is made on the dice taken over). Empty when the game was kept without
// its throws.
std::string diceAfterCall(const GameRecord& game, std::size_t index);

// The steps of a game: each call in order, then the end.
std::vector<ReviewStep> reviewSteps(const GameRecord& game,
                                    const DecisionAppraiser* appraiser = nullptr);

// Steps through a game, from its first call to its end.
class GameReview {
public:
    explicit GameReview(GameRecord game, const DecisionAppraiser* appraiser = nullptr);

    const GameRecord& game() const { return game_; }
    const std::vector<ReviewStep>& steps() const { return steps_; }
    const ReviewStep& step() const { return steps_[position_]; }
    std::size_t position() const { return position_; }

    bool atFirst() const { return position_ == 0; }
    bool atLast() const { return position_ + 1 == steps_.size(); }
    // Each returns whether the step changed.
    bool next();
    bool previous();
    void first() { position_ = 0; }
    void last() { position_ = steps_.size() - 1; }

private:
    GameRecord game_;
    std::vector<ReviewStep> steps_;
    std::size_t position_ = 0;
};

// The history lines written after `calls` calls, split at their line ends, without empty lines.
std::vector<std::string> linesAfterCalls(const GameRecord& game, int calls);

} // namespace quintel
