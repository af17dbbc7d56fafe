#pragma once

#include "model/dice.h"
#include "model/rule_options.h"
#include "solver/opponent_model.h"
#include "solver/response_positions.h"

#include <optional>
#include <vector>

namespace quintel::solver {

// The player who knows the computer's whole play and answers it as well as can be: one pass over
// the calls from the strongest down finds, for every position, the highest chance of winning the
// game from there. The player opens every game: it throws five dice that only it sees and calls
// anything. Whoever trusts a call takes the dice, and either calls at once or keeps dice the rules
// allow (the computer's last hold locked under "Fix Permanent"), throws the others and calls.
class BestResponse {
public:
    // Runs the pass: a few seconds to a minute, by the computer's play.
    BestResponse(const OpponentModel& computer, RuleOptions options);

    // The chance of winning a game from its start.
    double value() const { return value_; }
    // The chance of winning when the computer opens the game instead and the player answers its
    // opening call (OpponentModel::calls after no call and no kept dice); for a computer that
    // answers by stage.
    double answeringValue() const;

    // The computer answers by how the player came to call (OpponentModel::answersByStage): the
    // player's call after keeping `kept` and throwing the others, and its call at once on the
    // dice taken over with the computer's hold `locked`. Only for such a computer.
    bool byStage() const { return byStage_; }
    CallIndex callAfterThrow(CallIndex last, const FaceCounts& kept, const FaceCounts& dice) const;
    CallIndex callAtOnce(CallIndex last, const FaceCounts& locked, const FaceCounts& dice) const;

    // The best call to open a game with on `dice`.
    CallIndex openingCall(const FaceCounts& dice) const;

    // Whether to trust the computer's `computerCall`, made after keeping `computerHold` of the
    // dice the player handed over with its call `playerCall`. For a computer that answers by
    // stage, a call at once is given as a hold of the five dice it took over, which the player
    // knows.
    bool trusts(CallIndex playerCall, const FaceCounts& computerHold, CallIndex computerCall) const;

    // After trusting `last` and taking `dice`, the computer's hold `locked`: the dice to keep
    // while throwing the others, or nothing to call at once.
    std::optional<FaceCounts> keep(CallIndex last, const FaceCounts& dice,
                                   const FaceCounts& locked) const;

    // The best call after `last` on `dice`, `fix` being the dice kept at a throw (none when the
    // player called at once).
    CallIndex call(CallIndex last, const FaceCounts& fix, const FaceCounts& dice) const;

    // The chance of winning after trusting `last` and taking `dice`, `locked` being the computer's
    // hold.
    double positionValue(CallIndex last, const FaceCounts& dice, const FaceCounts& locked) const;

    // For a computer that answers by stage: the chance of winning once the computer trusted the
    // player's `last` and took over `dice`, the player's hold `locked`.
    double valueWhenTrusted(CallIndex last, const FaceCounts& dice, const FaceCounts& locked) const;

    // The chance of winning by calling `call` on `dice` with `fix` kept.
    double callValue(CallIndex call, const FaceCounts& fix, const FaceCounts& dice) const;

    // After the player's `playerCall` and the computer's hold `hold`: for each call the computer
    // may make, the chance of winning by challenging it and by trusting it (both weighted by the
    // chance of that call), and the chance of winning when each is answered the better way.
    struct Answers {
        std::vector<double> challenge;
        std::vector<double> trust;
        std::vector<double> made; // the chance of each call
        double value = 0.0;
    };
    Answers answers(CallIndex playerCall, const FaceCounts& hold) const;

    // The chance of winning by keeping `kept` and throwing the others after trusting `last`;
    // nothing for a keep the pass never reached.
    std::optional<double> keepValue(CallIndex last, const FaceCounts& kept) const;
    // The chance of winning by each call on `dice` after trusting `last`, keeping `kept` and
    // throwing the others, by call (0 for the calls that do not beat `last`).
    std::vector<double> callValuesAfterThrow(CallIndex last, const FaceCounts& kept,
                                             const FaceCounts& dice) const;
    // The chance of winning by calling `call` at once on `dice` taken over with `locked`.
    double callValueAtOnce(CallIndex call, const FaceCounts& locked, const FaceCounts& dice) const;

private:
    // The call above `last` with the most value for the pair, from values laid out [call][pair].
    CallIndex bestAbove(const std::vector<double>& values, CallIndex last, int pair) const;
    // Its value; 0 when no call is above `last`.
    double mostAbove(const std::vector<double>& values, CallIndex last, int pair) const;
    void solveLevel(CallIndex level, std::vector<double>& best);
    // The same pass for a computer that answers by stage.
    void solveStageLevel(CallIndex level);
    void stagePositions(CallIndex level);
    void stageAnswers(CallIndex level);
    // What the player wins in the stage (`level`, `kept`), calling at best on each throw; with
    // `choice`, also the best call on the dice `dice`.
    double stageValue(CallIndex level, int kept, const std::vector<double>& trust) const;
    double keepValue(CallIndex level, int kept);
    double trustedValue(CallIndex level, const FaceCounts& dice, int pair,
                        const OpponentModel::Choice& choice, std::vector<double>& answered,
                        Answers& scratch) const;
    double stageCall(CallIndex level, int pair, const FaceCounts& dice,
                     const std::vector<double>& trust, CallIndex* choice) const;
    std::vector<double> stageTrust(CallIndex level, int kept) const;
    double keepOrCall(CallIndex last, int dice, int locked, const std::vector<double>& best) const;
    void solveAtOnceCalls(CallIndex level, std::vector<double>& answered, Answers& scratch);
    void computeAnswers(CallIndex playerCall, int hold, Answers& into) const;

    std::size_t at(CallIndex call, int index, int width) const {
        return static_cast<std::size_t>(call) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(index);
    }

    const OpponentModel& computer_;
    RuleOptions options_;
    const FiveDiceSets& sets_;
    int calls_;
    std::vector<double> callValues_;     // [call][pair (fix, dice)]
    std::vector<double> positionValues_; // [last call][pair (locked, dice)]
    std::vector<double> keepValues_;     // [last call][kept set]; by stage NaN until needed
    double value_ = 0.0;

    bool byStage_ = false;
    std::vector<double> trustedValues_; // [call][pair (locked, dice)]: the computer trusted it
    std::vector<double> atOnceValues_;  // [call][pair (locked, dice)]: called at once
    std::vector<double> bestAtOnce_;    // [pair]: the best call at once above the level in hand
};

} // namespace quintel::solver
