#pragma once

#include "solver/stage_game.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace quintel::solver {

// A stage's payoffs, dense and type-major, for the linear programmes that solve it: what a call
// wins when challenged, and what trust adds to that.
struct Payoffs {
    // Rows a programme may add for a type in one round: its best few calls it does not hold yet.
    // One would do, but a programme started afresh leaves the calls without rows at whatever
    // chance costs nothing, and would find them one a round.
    static constexpr std::size_t kRowsPerRound = 4;

    int types;
    int messages;
    std::vector<double> challenge;
    std::vector<double> trustGain;

    explicit Payoffs(const StageGame& game)
        : types(game.typeCount()), messages(game.messageCount()),
          challenge(static_cast<std::size_t>(types) * static_cast<std::size_t>(messages)),
          trustGain(challenge.size()) {
        for (int t = 0; t < types; ++t) {
            for (int m = 0; m < messages; ++m) {
                const double challenged = game.challengePayoff(t, m);
                challenge[at(t, m)] = challenged;
                trustGain[at(t, m)] = game.trustPayoff(t, m) - challenged;
            }
        }
    }

    std::size_t at(int t, int m) const {
        return static_cast<std::size_t>(t) * static_cast<std::size_t>(messages) +
               static_cast<std::size_t>(m);
    }

    double payoff(int t, int m, double trust) const {
        return challenge[at(t, m)] + trust * trustGain[at(t, m)];
    }

    // The type's best messages against these chances of trust, best first.
    std::array<int, kRowsPerRound> bestMessages(int t, std::span<const double> trust) const {
        std::array<int, kRowsPerRound> best{};
        std::array<double, kRowsPerRound> bestPayoff{};
        bestPayoff.fill(-1);
        for (int m = 0; m < messages; ++m) {
            double value = payoff(t, m, trust[static_cast<std::size_t>(m)]);
            int message = m;
            for (std::size_t i = 0; i < best.size() && value > -1; ++i) {
                if (value > bestPayoff[i]) {
                    std::swap(value, bestPayoff[i]);
                    std::swap(message, best[i]);
                }
            }
        }
        return best;
    }
};

} // namespace quintel::solver
