#pragma once

#include "solver/positions.h"

#include <span>
#include <vector>

namespace quintel::solver {

// One stage (c, K) as a one-shot game. The mover kept K and threw the other dice; its type is
// what it threw. It announces a call m above c; the responder challenges (the mover wins iff its
// dice cover m) or trusts and becomes the mover of the position (m, K + throw, K). Payoffs are
// the mover's chance to win the game.
class StageGame {
public:
    // `positionValues` holds the value of each position for its mover, holding-major:
    // entry holding * callCount + call. Only calls above `lastCall` are read.
    // `lastCall` -1 is the opening, where every call may be announced.
    StageGame(const GameTables& tables, int lastCall, int kept,
              std::span<const double> positionValues);

    const GameTables& tables() const { return *tables_; }
    int lastCall() const { return lastCall_; }
    int kept() const { return kept_; }
    // The position values the stage reads, to tell whether two stages read the same.
    const double* valuesData() const { return values_.data(); }

    int typeCount() const { return static_cast<int>(thrown_.size()); }
    // DiceSets index of a type's thrown dice, its chance, and the dice after the throw.
    int thrown(int type) const { return thrown_[static_cast<std::size_t>(type)]; }
    double chance(int type) const { return chances_[static_cast<std::size_t>(type)]; }
    // The chances of a type of five thrown dice are down to 1/7776: a programme divides them by
    // the largest, so that its coefficients are of the size of its other rows'.
    double largestChance() const;
    int handAfter(int type) const {
        return tables_->holding(holdings_[static_cast<std::size_t>(type)]).hand;
    }

    // Messages are the calls firstCall() .. callCount() - 1, numbered from 0.
    int firstCall() const { return lastCall_ + 1; }
    int messageCount() const { return tables_->callCount() - firstCall(); }

    double challengePayoff(int type, int message) const {
        return tables_->covers(handAfter(type), firstCall() + message) ? 1.0 : 0.0;
    }
    double trustPayoff(int type, int message) const {
        const auto holding = static_cast<std::size_t>(holdings_[static_cast<std::size_t>(type)]);
        return 1.0 - values_[holding * static_cast<std::size_t>(tables_->callCount()) +
                             static_cast<std::size_t>(firstCall() + message)];
    }

private:
    const GameTables* tables_;
    int lastCall_;
    int kept_;
    std::span<const double> values_;
    std::vector<int> thrown_;
    std::vector<double> chances_;
    std::vector<int> holdings_;
};

// A call and the chance it is made (by a type) or trusted (by the responder).
struct MixedCall {
    int call = 0;
    double chance = 0;
    bool operator==(const MixedCall&) const = default;
};

// The mover's strategy in a stage: for each type, the calls it makes with non-zero chance; and
// the responder's chance of trust for each call that some type makes. The chance of trust for a
// call no type makes follows from the rest (fullTrust), so it is not kept.
struct StageStrategy {
    std::vector<int> typeStart; // type t's calls are calls[typeStart[t] .. typeStart[t + 1])
    std::vector<MixedCall> calls;
    std::vector<MixedCall> trust; // by increasing call
    bool operator==(const StageStrategy&) const = default;

    std::span<const MixedCall> callsOf(int type) const;
};

// The responder's chance of trust for every message of the stage. For a call that is made it is
// the stored chance. For any other call it is one of the chances that deter every type from it,
// given what each type wins with the calls that are made, so that the strategy stays an
// equilibrium: the one that does the caller most harm when a caller who errs is believed to name
// dice it holds, which is the highest of them (the lowest for a call no type can hold). When no
// chance deters every type, it is the chance that leaves the largest gain least.
// `believedGain`, when given, says per message what trust adds for the caller under another
// belief about who makes the calls no type makes, and the end of the range is chosen by it.
std::vector<double> fullTrust(const StageGame& game, const StageStrategy& strategy,
                              std::span<const double> believedGain = {});

// Both sides' best replies to the strategy: `moverBest` is what the mover wins at most against
// the responder's part, `responderBest` what it wins at least against the mover's part. The
// stage's value lies between them; their difference is the exploitability.
struct StageCheck {
    double moverBest = 0;
    double responderBest = 0;
    double gap() const { return moverBest - responderBest; }
    double value() const { return (moverBest + responderBest) / 2; }
};
StageCheck checkStage(const StageGame& game, const StageStrategy& strategy);
// The two halves of the check: what the mover wins at most against a chance of trust for every
// message, and what the mover's calls win at least against the responder's best answers.
double moverBestReply(const StageGame& game, std::span<const double> trust);
double responderBestReply(const StageGame& game, const StageStrategy& strategy);

// For every message, the most a type gains by making it rather than its best made call, under
// fullTrust (at most 0 for a call that deters every type).
std::vector<double> deviationGains(const StageGame& game, const StageStrategy& strategy);

} // namespace quintel::solver
