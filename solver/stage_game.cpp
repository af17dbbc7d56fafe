#include "solver/stage_game.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace quintel::solver {

StageGame::StageGame(const GameTables& tables, int lastCall, int kept,
                     std::span<const double> positionValues)
    : tables_(&tables), lastCall_(lastCall), kept_(kept), values_(positionValues) {
    const DiceSets& sets = tables.sets();
    for (const int thrown : sets.ofSize(tables.variant().dice - sets.diceIn(kept))) {
        thrown_.push_back(thrown);
        chances_.push_back(throwChance(sets.counts(thrown), tables.variant()));
        holdings_.push_back(tables.holdingAfterThrow(kept, thrown));
    }
}

double StageGame::largestChance() const {
    return chances_.empty() ? 0.0 : *std::ranges::max_element(chances_);
}

std::span<const MixedCall> StageStrategy::callsOf(int type) const {
    const auto t = static_cast<std::size_t>(type);
    return std::span(calls).subspan(static_cast<std::size_t>(typeStart[t]),
                                    static_cast<std::size_t>(typeStart[t + 1] - typeStart[t]));
}

namespace {

// What each type wins at best with the calls that are made, under their chances of trust.
std::vector<double> bestMadeCall(const StageGame& game, const StageStrategy& strategy) {
    std::vector<double> best(static_cast<std::size_t>(game.typeCount()),
                             -std::numeric_limits<double>::infinity());
    for (int t = 0; t < game.typeCount(); ++t) {
        for (const MixedCall& made : strategy.trust) {
            const int m = made.call - game.firstCall();
            const double a = game.challengePayoff(t, m);
            const double b = game.trustPayoff(t, m);
            best[static_cast<std::size_t>(t)] =
                std::max(best[static_cast<std::size_t>(t)], a + made.chance * (b - a));
        }
    }
    return best;
}

// The most any type gains over `best` by making message m when it is trusted with chance q.
double deviationGain(const StageGame& game, const std::vector<double>& best, int m, double q) {
    double gain = -std::numeric_limits<double>::infinity();
    for (int t = 0; t < game.typeCount(); ++t) {
        const double a = game.challengePayoff(t, m);
        const double b = game.trustPayoff(t, m);
        gain = std::max(gain, a + q * (b - a) - best[static_cast<std::size_t>(t)]);
    }
    return gain;
}

// The chance of trust of a call no type makes. Every chance in [low, high] deters every type
// from the call, so the equilibrium stands whichever is taken. Of these, the one taken does the
// caller most harm under the belief that a caller who errs names dice it holds: the types that
// hold the call, in proportion to their chances of being thrown (trembles towards the truth; only
// when no type can hold the call, every type in proportion to its chance). The caller's payoff is
// linear in the chance, so the harm is greatest at one end: trust, which costs a caller who holds
// the call its sure win, is as high as the equilibrium allows.
//
// A belief of the caller's types given in `believedGain` (what trust adds for the caller on
// average) takes the place of that one.
double offPathTrust(const StageGame& game, const std::vector<double>& best, int m,
                    std::optional<double> believedGain) {
    // Each type bounds the chance from one side: a bluffer gains by trust, an honest caller by
    // challenge.
    double low = 0;
    double high = 1;
    double holderGain = 0; // what trust adds for the types that hold the call, on average
    double anyGain = 0;    // and for every type
    double holders = 0;
    for (int t = 0; t < game.typeCount(); ++t) {
        const double a = game.challengePayoff(t, m);
        const double d = game.trustPayoff(t, m) - a;
        const double room = best[static_cast<std::size_t>(t)] - a;
        anyGain += game.chance(t) * d;
        if (a > 0) {
            holderGain += game.chance(t) * d;
            holders += game.chance(t);
        }
        if (d > 0) {
            high = std::min(high, room / d);
        } else if (d < 0) {
            low = std::max(low, room / d);
        }
    }
    if (low <= high) {
        const double gain = believedGain.value_or(holders > 0 ? holderGain : anyGain);
        if (gain > 0) {
            return low;
        }
        return gain < 0 ? high : (low + high) / 2;
    }
    // No chance deters every type: take the one where the largest gain is least. The gain is
    // convex in the chance, so halving the interval by its slope finds it.
    double left = 0;
    double right = 1;
    for (int step = 0; step < 60; ++step) {
        const double middle = (left + right) / 2;
        const double nudge = (right - left) * 1e-3;
        if (deviationGain(game, best, m, middle + nudge) >
            deviationGain(game, best, m, middle - nudge)) {
            right = middle;
        } else {
            left = middle;
        }
    }
    return (left + right) / 2;
}

} // namespace

std::vector<double> fullTrust(const StageGame& game, const StageStrategy& strategy,
                              std::span<const double> believedGain) {
    const std::vector<double> best = bestMadeCall(game, strategy);
    std::vector<double> trust(static_cast<std::size_t>(game.messageCount()), -1.0);
    for (const MixedCall& made : strategy.trust) {
        trust[static_cast<std::size_t>(made.call - game.firstCall())] = made.chance;
    }
    for (int m = 0; m < game.messageCount(); ++m) {
        if (trust[static_cast<std::size_t>(m)] < 0) {
            const auto believed = believedGain.empty()
                                      ? std::nullopt
                                      : std::optional(believedGain[static_cast<std::size_t>(m)]);
            trust[static_cast<std::size_t>(m)] = offPathTrust(game, best, m, believed);
        }
    }
    return trust;
}

std::vector<double> deviationGains(const StageGame& game, const StageStrategy& strategy) {
    const std::vector<double> best = bestMadeCall(game, strategy);
    const std::vector<double> trust = fullTrust(game, strategy);
    std::vector<double> gains(trust.size());
    for (int m = 0; m < game.messageCount(); ++m) {
        gains[static_cast<std::size_t>(m)] =
            deviationGain(game, best, m, trust[static_cast<std::size_t>(m)]);
    }
    return gains;
}

double moverBestReply(const StageGame& game, std::span<const double> trust) {
    double total = 0;
    for (int t = 0; t < game.typeCount(); ++t) {
        double best = 0;
        for (int m = 0; m < game.messageCount(); ++m) {
            const double a = game.challengePayoff(t, m);
            best = std::max(best,
                            a + trust[static_cast<std::size_t>(m)] * (game.trustPayoff(t, m) - a));
        }
        total += game.chance(t) * best;
    }
    return total;
}

double responderBestReply(const StageGame& game, const StageStrategy& strategy) {
    const auto messages = static_cast<std::size_t>(game.messageCount());
    std::vector<double> ifTrusted(messages, 0.0);
    std::vector<double> ifChallenged(messages, 0.0);
    for (int t = 0; t < game.typeCount(); ++t) {
        for (const MixedCall& made : strategy.callsOf(t)) {
            const int m = made.call - game.firstCall();
            const double weight = game.chance(t) * made.chance;
            ifTrusted[static_cast<std::size_t>(m)] += weight * game.trustPayoff(t, m);
            ifChallenged[static_cast<std::size_t>(m)] += weight * game.challengePayoff(t, m);
        }
    }
    double total = 0;
    for (std::size_t m = 0; m < messages; ++m) {
        total += std::min(ifTrusted[m], ifChallenged[m]);
    }
    return total;
}

StageCheck checkStage(const StageGame& game, const StageStrategy& strategy) {
    if (game.messageCount() == 0) {
        return {}; // no call beats the last one: the mover loses
    }
    return {moverBestReply(game, fullTrust(game, strategy)), responderBestReply(game, strategy)};
}

} // namespace quintel::solver
