#pragma once

#include "model/dice.h"
#include "opponent/expert_policy.h"

#include <memory>
#include <optional>
#include <vector>

namespace quintel {

// The player's chances of winning in the solved game, both seats playing its equilibrium from
// here on. Calls and dice are the solved game's numbers (see ExpertPolicy).

// Answering the computer's `call`, made after it trusted the player's `playerCall`, kept `kept`
// and threw the other dice: its thrown dice unknown, weighed by how often each throw makes that
// call (by the throw's chance alone for a call the equilibrium never makes). A hold of every die
// shows the dice.
struct AnswerChances {
    double trust = 0;
    double notTrust = 0;
};
AnswerChances answerChances(const ExpertPolicy& policy, int playerCall, int kept, int call);

// Answering the computer's `call` made without a throw on `hand`, the dice the player handed
// over, with `locked` the dice fixed on the table.
AnswerChances answerChancesAtOnce(const ExpertPolicy& policy, int hand, int locked, int call);

// Having trusted `call` and taken `hand` with `locked` dice: the best call at once, and every
// keep the rules allow, the most promising first.
struct KeepChance {
    int kept = 0;
    double chance = 0;
};
struct PositionChances {
    int atOnceCall = -1; // -1 when no call beats `call`
    double atOnce = 0;
    std::vector<KeepChance> keeps;
};
PositionChances positionChances(const ExpertPolicy& policy, int call, int hand, int locked);

// The chance of calling `call` on `hand`: after keeping `kept` (-1: none at the opening) and
// throwing when `threw`, the other seat not seeing the dice; otherwise at once, on dice it knows,
// with `kept` the locked dice.
double callChance(const ExpertPolicy& policy, int lastCall, int kept, int hand, int call,
                  bool threw);

// The call with the best chance there; -1 when no call beats `lastCall`.
struct BestCall {
    int call = -1;
    double chance = 0;
};
BestCall bestCall(const ExpertPolicy& policy, int lastCall, int kept, int hand, bool threw);

// What the coach reads: the player's chances of winning from the positions of a game, both seats
// playing as the figures assume from there on. Dice and calls are face counts; a call of no dice
// is no call (the computer opened, or nothing was called yet).
class CoachFigures {
public:
    virtual ~CoachFigures() = default;

    // The chance of winning a game that the player opens.
    virtual double value() const = 0;

    // The computer's `call` seen by the player: the call it trusted (`playerCall`), the dice
    // fixed on the table (`locked`) and those it kept (`kept`): its whole hand when it called at
    // once on the dice the player handed over.
    struct ComputerCall {
        FaceCounts playerCall{};
        FaceCounts kept{};
        FaceCounts locked{};
        FaceCounts call{};
        bool atOnce = false;
    };
    virtual AnswerChances answer(const ComputerCall& seen) const = 0;

    struct Keep {
        FaceCounts kept{};
        double chance = 0;
    };
    struct Position {
        std::optional<FaceCounts> atOnceCall; // nothing when no call beats the trusted one
        double atOnce = 0;
        std::vector<Keep> keeps; // every keep the rules allow, the most promising first
    };
    // Having trusted `call` and taken `hand` with `locked` dice.
    virtual Position position(const FaceCounts& call, const FaceCounts& hand,
                              const FaceCounts& locked) const = 0;

    // The chance of calling `call` on `hand` after `lastCall`: after keeping `kept` and throwing
    // when `threw`; otherwise at once, `kept` being the locked dice.
    virtual double callChance(const FaceCounts& lastCall, const FaceCounts& kept,
                              const FaceCounts& hand, const FaceCounts& call, bool threw) const = 0;

    struct RankedCall {
        FaceCounts call{};
        double chance = 0;
    };
    // Every call that beats `lastCall` with its chance, the best first (the weaker of equals
    // first).
    virtual std::vector<RankedCall> rankedCalls(const FaceCounts& lastCall, const FaceCounts& kept,
                                                const FaceCounts& hand, bool threw) const;

protected:
    static std::vector<RankedCall> sortedBest(std::vector<RankedCall> ranked);
};

// The solved game's figures: both seats playing its equilibrium.
class EquilibriumFigures : public CoachFigures {
public:
    explicit EquilibriumFigures(ExpertPolicy policy) : policy_(std::move(policy)) {}

    double value() const override { return policy_.game().openValue(); }

    AnswerChances answer(const ComputerCall& seen) const override;
    Position position(const FaceCounts& call, const FaceCounts& hand,
                      const FaceCounts& locked) const override;
    double callChance(const FaceCounts& lastCall, const FaceCounts& kept, const FaceCounts& hand,
                      const FaceCounts& call, bool threw) const override;
    std::vector<RankedCall> rankedCalls(const FaceCounts& lastCall, const FaceCounts& kept,
                                        const FaceCounts& hand, bool threw) const override;

private:
    ExpertPolicy policy_;
};

} // namespace quintel
