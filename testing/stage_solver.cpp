#include "testing/stage_solver.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>

namespace quintel::solver {

namespace {

constexpr int kCheckEvery = 10;
constexpr long kMostIterations = 400000;
// How firmly a restart holds on to the average it starts from, in regret.
constexpr double kRestartRegret = 0.05;
// The iteration's first round stops at this gap, or the tolerance if that is larger, to look
// for the support; later rounds go four times further each.
constexpr double kFirstSupportGap = 1e-3;
constexpr double kSearchBelow = 1e-6;
// The averages' chances below these count as zero when a support is read from them: a loose
// reading first, then ever finer ones.
constexpr std::array kSupportZeros{1e-2, 1e-3, 1e-4, 1e-6};

// The answer on a support, with its check, when it is one.
std::optional<StageSolution> solvedOn(const StageGame& game, const StageSupport& support,
                                      const StageStrategy& near) {
    std::optional<StageStrategy> strategy = solveOnSupport(game, support, near);
    if (!strategy) {
        return std::nullopt;
    }
    StageSolution solution;
    solution.check = checkStage(game, *strategy);
    solution.strategy = std::move(*strategy);
    solution.exact = true;
    return solution;
}

std::size_t at(int row, int columns, int column) {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
           static_cast<std::size_t>(column);
}

} // namespace

// The game on the active calls only, with dense payoffs, iterating on the solver's state.
struct StageSolver::Restricted {
    int types = 0;
    int calls = 0;
    State& state;
    std::vector<double> chance;
    std::vector<double> challenge; // type-major
    std::vector<double> trustGain; // trust payoff minus challenge payoff, type-major
    std::vector<double> mixed;     // current strategy, type-major
    std::vector<double> trust;

    Restricted(const StageGame& game, const std::vector<int>& active, State& iterationState)
        : types(game.typeCount()), calls(static_cast<int>(active.size())), state(iterationState),
          chance(static_cast<std::size_t>(types)),
          challenge(static_cast<std::size_t>(types * calls)), trustGain(challenge.size()),
          mixed(challenge.size()), trust(active.size()) {
        for (int t = 0; t < types; ++t) {
            chance[static_cast<std::size_t>(t)] = game.chance(t);
            for (int j = 0; j < calls; ++j) {
                const int m = active[static_cast<std::size_t>(j)] - game.firstCall();
                const double a = game.challengePayoff(t, m);
                challenge[at(t, calls, j)] = a;
                trustGain[at(t, calls, j)] = game.trustPayoff(t, m) - a;
            }
        }
        mixFromRegrets();
    }

    // Regret matching+: each type makes its calls in proportion to their positive regret.
    void mixFromRegrets() {
        for (int t = 0; t < types; ++t) {
            mixType(t);
        }
        for (std::size_t j = 0; j < trust.size(); ++j) {
            trust[j] = trustFromRegrets(j);
        }
    }

    void mixType(int t) {
        const double* regret = &state.moverRegret[at(t, calls, 0)];
        const double* last = &state.moverLast[at(t, calls, 0)];
        double* x = &mixed[at(t, calls, 0)];
        double total = 0;
        for (int j = 0; j < calls; ++j) {
            x[j] = std::max(0.0, regret[j] + last[j]);
            total += x[j];
        }
        for (int j = 0; j < calls; ++j) {
            x[j] = total > 0 ? x[j] / total : 1.0 / calls;
        }
    }

    double trustFromRegrets(std::size_t j) const {
        const double forTrust = std::max(0.0, state.trustRegret[j] + state.trustLast[j]);
        const double forChallenge =
            std::max(0.0, state.challengeRegret[j] + state.challengeLast[j]);
        const double total = forTrust + forChallenge;
        return total > 0 ? forTrust / total : 0.5;
    }

    void moverStep(double weight) {
        std::vector<double> payoff(static_cast<std::size_t>(calls));
        for (int t = 0; t < types; ++t) {
            const double* a = &challenge[at(t, calls, 0)];
            const double* d = &trustGain[at(t, calls, 0)];
            const double* x = &mixed[at(t, calls, 0)];
            double* regret = &state.moverRegret[at(t, calls, 0)];
            double* last = &state.moverLast[at(t, calls, 0)];
            double expected = 0;
            for (int j = 0; j < calls; ++j) {
                payoff[static_cast<std::size_t>(j)] =
                    a[j] + trust[static_cast<std::size_t>(j)] * d[j];
                expected += x[j] * payoff[static_cast<std::size_t>(j)];
            }
            for (int j = 0; j < calls; ++j) {
                last[j] = payoff[static_cast<std::size_t>(j)] - expected;
                regret[j] = std::max(0.0, regret[j] + last[j]);
            }
            mixType(t);
            double* sum = &state.mixedSum[at(t, calls, 0)];
            const double* now = &mixed[at(t, calls, 0)];
            for (int j = 0; j < calls; ++j) {
                sum[j] += weight * now[j];
            }
        }
    }

    void responderStep(double weight) {
        std::vector<double> ifTrusted(static_cast<std::size_t>(calls), 0.0);
        std::vector<double> ifChallenged(static_cast<std::size_t>(calls), 0.0);
        for (int t = 0; t < types; ++t) {
            const double p = chance[static_cast<std::size_t>(t)];
            const double* a = &challenge[at(t, calls, 0)];
            const double* d = &trustGain[at(t, calls, 0)];
            const double* x = &mixed[at(t, calls, 0)];
            for (int j = 0; j < calls; ++j) {
                const double w = p * x[j];
                ifChallenged[static_cast<std::size_t>(j)] += w * a[j];
                ifTrusted[static_cast<std::size_t>(j)] += w * (a[j] + d[j]);
            }
        }
        for (std::size_t j = 0; j < trust.size(); ++j) {
            // The responder loses what the mover wins.
            const double difference = ifChallenged[j] - ifTrusted[j];
            state.trustLast[j] = (1 - trust[j]) * difference;
            state.challengeLast[j] = -trust[j] * difference;
            state.trustRegret[j] = std::max(0.0, state.trustRegret[j] + state.trustLast[j]);
            state.challengeRegret[j] =
                std::max(0.0, state.challengeRegret[j] + state.challengeLast[j]);
            trust[j] = trustFromRegrets(j);
            state.trustSum[j] += weight * trust[j];
        }
        state.weightSum += weight;
    }

    // The exploitability of the averages within the active calls.
    double averageGap() const {
        double moverBest = 0;
        std::vector<double> ifTrusted(static_cast<std::size_t>(calls), 0.0);
        std::vector<double> ifChallenged(static_cast<std::size_t>(calls), 0.0);
        const double scale = 1 / state.weightSum;
        for (int t = 0; t < types; ++t) {
            const double p = chance[static_cast<std::size_t>(t)];
            double best = -std::numeric_limits<double>::infinity();
            double mass = 0;
            for (int j = 0; j < calls; ++j) {
                mass += state.mixedSum[at(t, calls, j)];
            }
            for (int j = 0; j < calls; ++j) {
                const double a = challenge[at(t, calls, j)];
                const double d = trustGain[at(t, calls, j)];
                best = std::max(best, a + state.trustSum[static_cast<std::size_t>(j)] * scale * d);
                const double w = p * state.mixedSum[at(t, calls, j)] / mass;
                ifChallenged[static_cast<std::size_t>(j)] += w * a;
                ifTrusted[static_cast<std::size_t>(j)] += w * (a + d);
            }
            moverBest += p * best;
        }
        double responderBest = 0;
        for (int j = 0; j < calls; ++j) {
            responderBest += std::min(ifTrusted[static_cast<std::size_t>(j)],
                                      ifChallenged[static_cast<std::size_t>(j)]);
        }
        return moverBest - responderBest;
    }

    StageStrategy averageStrategy(const std::vector<int>& active, double smallest) const {
        StageStrategy strategy;
        std::vector<bool> made(active.size(), false);
        for (int t = 0; t < types; ++t) {
            strategy.typeStart.push_back(static_cast<int>(strategy.calls.size()));
            const double* sum = &state.mixedSum[at(t, calls, 0)];
            double mass = 0;
            for (int j = 0; j < calls; ++j) {
                mass += sum[j];
            }
            double kept = 0;
            for (int j = 0; j < calls; ++j) {
                kept += sum[j] >= smallest * mass ? sum[j] : 0;
            }
            for (int j = 0; j < calls; ++j) {
                if (sum[j] >= smallest * mass) {
                    strategy.calls.push_back({active[static_cast<std::size_t>(j)], sum[j] / kept});
                    made[static_cast<std::size_t>(j)] = true;
                }
            }
        }
        strategy.typeStart.push_back(static_cast<int>(strategy.calls.size()));
        for (std::size_t j = 0; j < active.size(); ++j) {
            if (made[j]) {
                strategy.trust.push_back({active[j], state.trustSum[j] / state.weightSum});
            }
        }
        return strategy;
    }
};

void StageSolver::startActiveSet(const StageGame& game) {
    // Each type's best call if every call were trusted half the time.
    std::vector<int> start;
    for (int t = 0; t < game.typeCount(); ++t) {
        int best = 0;
        double bestPayoff = -1;
        for (int m = 0; m < game.messageCount(); ++m) {
            const double payoff = (game.challengePayoff(t, m) + game.trustPayoff(t, m)) / 2;
            if (payoff > bestPayoff) {
                bestPayoff = payoff;
                best = m;
            }
        }
        start.push_back(game.firstCall() + best);
    }
    resize(game.typeCount(), start);
}

void StageSolver::resize(int types, const std::vector<int>& added) {
    std::vector<int> active = active_;
    active.insert(active.end(), added.begin(), added.end());
    std::ranges::sort(active);
    active.erase(std::unique(active.begin(), active.end()), active.end());
    std::map<int, int> oldColumn;
    for (std::size_t j = 0; j < active_.size(); ++j) {
        oldColumn[active_[j]] = static_cast<int>(j);
    }
    const int calls = static_cast<int>(active.size());
    const int oldCalls = static_cast<int>(active_.size());
    State next;
    next.moverRegret.assign(static_cast<std::size_t>(types * calls), 0.0);
    next.mixedSum.assign(next.moverRegret.size(), 0.0);
    next.moverLast.assign(next.moverRegret.size(), 0.0);
    next.trustLast.assign(active.size(), 0.0);
    next.challengeLast.assign(active.size(), 0.0);
    next.trustRegret.assign(active.size(), 0.0);
    next.challengeRegret.assign(active.size(), 0.0);
    next.trustSum.assign(active.size(), 0.0);
    next.weightSum = state_.weightSum;
    next.step = state_.step;
    for (int j = 0; j < calls; ++j) {
        const auto found = oldColumn.find(active[static_cast<std::size_t>(j)]);
        const auto column = static_cast<std::size_t>(j);
        if (found == oldColumn.end()) {
            // A new call starts as trusted as the iteration's average trust would have it.
            next.trustSum[column] = next.weightSum / 2;
            continue;
        }
        const auto old = static_cast<std::size_t>(found->second);
        next.trustRegret[column] = state_.trustRegret[old];
        next.trustLast[column] = state_.trustLast[old];
        next.challengeLast[column] = state_.challengeLast[old];
        next.challengeRegret[column] = state_.challengeRegret[old];
        next.trustSum[column] = state_.trustSum[old];
        for (int t = 0; t < types; ++t) {
            next.moverRegret[at(t, calls, j)] = state_.moverRegret[at(t, oldCalls, found->second)];
            next.mixedSum[at(t, calls, j)] = state_.mixedSum[at(t, oldCalls, found->second)];
            next.moverLast[at(t, calls, j)] = state_.moverLast[at(t, oldCalls, found->second)];
        }
    }
    active_ = std::move(active);
    types_ = types;
    state_ = std::move(next);
}

void StageSolver::restartFromAverages() {
    const auto calls = static_cast<int>(active_.size());
    for (int t = 0; t < types_; ++t) {
        double mass = 0;
        for (int j = 0; j < calls; ++j) {
            mass += state_.mixedSum[at(t, calls, j)];
        }
        for (int j = 0; j < calls; ++j) {
            const double share = mass > 0 ? state_.mixedSum[at(t, calls, j)] / mass : 1.0 / calls;
            state_.mixedSum[at(t, calls, j)] = share;
            state_.moverRegret[at(t, calls, j)] = share * kRestartRegret;
            state_.moverLast[at(t, calls, j)] = 0;
        }
    }
    for (std::size_t j = 0; j < active_.size(); ++j) {
        const double trust = state_.weightSum > 0 ? state_.trustSum[j] / state_.weightSum : 0.5;
        state_.trustSum[j] = trust;
        state_.trustRegret[j] = trust * kRestartRegret;
        state_.challengeRegret[j] = (1 - trust) * kRestartRegret;
        state_.trustLast[j] = 0;
        state_.challengeLast[j] = 0;
    }
    state_.weightSum = 1;
    state_.step = 0;
}

void StageSolver::adopt(const StageStrategy& strategy) {
    const auto calls = static_cast<int>(active_.size());
    auto column = [&](int call) {
        return static_cast<int>(std::ranges::lower_bound(active_, call) - active_.begin());
    };
    const double scale = state_.weightSum > 0 ? 1 / state_.weightSum : 0;
    for (double& trust : state_.trustSum) {
        trust = scale > 0 ? trust * scale : 0.5;
    }
    for (const MixedCall& trust : strategy.trust) {
        state_.trustSum[static_cast<std::size_t>(column(trust.call))] = trust.chance;
    }
    std::ranges::fill(state_.mixedSum, 0.0);
    for (int t = 0; t < types_; ++t) {
        for (const MixedCall& made : strategy.callsOf(t)) {
            state_.mixedSum[at(t, calls, column(made.call))] = made.chance;
        }
    }
    state_.weightSum = 1;
}

StageSolution StageSolver::solve(const StageGame& game, const SolverSettings& settings) {
    StageSolution solution;
    if (game.messageCount() == 0) {
        solution.strategy.typeStart.assign(static_cast<std::size_t>(game.typeCount()) + 1, 0);
        return solution;
    }
    if (types_ != game.typeCount() ||
        std::ranges::any_of(active_, [&](int call) { return call < game.firstCall(); })) {
        active_.clear();
        state_ = State{};
        types_ = game.typeCount();
        lastExact_.reset();
    }
    if (active_.empty()) {
        startActiveSet(game);
    }
    if (settings.exactSupport && lastExact_) {
        if (auto again = solvedOn(game, supportOf(*lastExact_, 0.0), *lastExact_);
            again && again->check.gap() <= settings.tolerance) {
            return *again;
        }
    }
    // Down to a tolerance the iteration reaches in a few thousand steps, a first round that only
    // looks for the support costs more than it saves.
    const bool searchFirst = settings.exactSupport && settings.tolerance < kSearchBelow;
    double innerTolerance =
        (searchFirst ? std::max(settings.tolerance, kFirstSupportGap) : settings.tolerance) / 2;
    for (;;) {
        // Each round starts from the averages so far: they are the best guess, and the regrets
        // of a game with fewer calls would hold the iteration back.
        restartFromAverages();
        Restricted restricted(game, active_, state_);
        // An equilibrium carried over from the stage above may still be one: look first.
        while (restricted.averageGap() > innerTolerance && solution.iterations < kMostIterations) {
            for (int k = 0; k < kCheckEvery; ++k) {
                const auto step = static_cast<double>(++state_.step);
                const double weight = step * step;
                restricted.moverStep(weight);
                restricted.responderStep(weight);
            }
            solution.iterations += kCheckEvery;
        }
        solution.strategy =
            restricted.averageStrategy(active_, settings.tolerance * settings.smallestChanceShare);
        solution.check = checkStage(game, solution.strategy);
        solution.exact = false;
        bool solvedExactly = false;
        // Supports are looked for only where the averages do not do: at loose tolerances they
        // mostly do, and the supports' checks would cost more than they save.
        if (settings.exactSupport && solution.check.gap() > settings.tolerance) {
            const StageStrategy averages = restricted.averageStrategy(active_, 0.0);
            std::optional<StageSupport> tried;
            for (const double zero : kSupportZeros) {
                StageSupport guess = supportOf(averages, zero);
                if (guess == tried) {
                    continue;
                }
                tried = guess;
                auto exact = solvedOn(game, guess, averages);
                if (exact && exact->check.gap() < solution.check.gap()) {
                    exact->iterations = solution.iterations;
                    solution = std::move(*exact);
                    solvedExactly = true;
                }
                if (solution.check.gap() <= settings.tolerance) {
                    break;
                }
            }
        }
        if (solution.check.gap() <= settings.tolerance || solution.iterations >= kMostIterations) {
            if (solvedExactly) {
                adopt(solution.strategy);
                lastExact_ = solution.strategy;
            }
            return solution;
        }
        const std::vector<double> gains = deviationGains(game, solution.strategy);
        std::vector<int> added;
        for (int m = 0; m < game.messageCount(); ++m) {
            const int call = game.firstCall() + m;
            if (gains[static_cast<std::size_t>(m)] > settings.tolerance / 4 &&
                !std::ranges::binary_search(active_, call)) {
                added.push_back(call);
            }
        }
        if (added.empty()) {
            // Each round costs a restart and the supports' checks: few and long rounds down to
            // the tolerance; below it (the check of the whole stage still fails) short ones.
            innerTolerance = innerTolerance > settings.tolerance / 2
                                 ? std::max(innerTolerance / 16, settings.tolerance / 2)
                                 : innerTolerance / 4;
        } else {
            resize(types_, added);
        }
    }
}

} // namespace quintel::solver
