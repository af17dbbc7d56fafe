#include "solver/safe_response.h"
#include "model/index.h"

#include "solver/stage_payoffs.h"

#include <map>

namespace quintel::solver {

namespace {

// What a best reply may gain beyond the allowance by the rounding of the sums.
constexpr double kRounding = 1e-12;
constexpr int kHalvings = 50;

// The largest step in [0, 1] that `fits`, for a property that holds at 0 and, the risk being
// convex along the way, on an interval from there.
template <class Fits> double largestStep(const Fits& fits) {
    if (fits(1.0)) {
        return 1.0;
    }
    double low = 0;
    double high = 1;
    for (int step = 0; step < kHalvings; ++step) {
        const double middle = (low + high) / 2;
        (fits(middle) ? low : high) = middle;
    }
    return low;
}

// What the mover wins at most against a chance of trust for every message.
double moverBest(const Payoffs& payoffs, const StageGame& game, std::span<const double> trust) {
    double total = 0;
    for (int t = 0; t < payoffs.types; ++t) {
        double best = 0;
        for (int m = 0; m < payoffs.messages; ++m) {
            best = std::max(best, payoffs.payoff(t, m, trust[at(m)]));
        }
        total += game.chance(t) * best;
    }
    return total;
}

// The calls of `from` and `to` mixed, a share `step` of `to`.
StageStrategy mixed(const StageStrategy& from, const StageStrategy& to, double step) {
    StageStrategy result;
    const int types = static_cast<int>(from.typeStart.size()) - 1;
    std::map<int, double> chances;
    for (int t = 0; t < types; ++t) {
        result.typeStart.push_back(static_cast<int>(result.calls.size()));
        chances.clear();
        for (const MixedCall& call : from.callsOf(t)) {
            chances[call.call] += (1 - step) * call.chance;
        }
        for (const MixedCall& call : to.callsOf(t)) {
            chances[call.call] += step * call.chance;
        }
        for (const auto& [call, chance] : chances) {
            if (chance > 0) {
                result.calls.push_back({call, chance});
            }
        }
    }
    result.typeStart.push_back(static_cast<int>(result.calls.size()));
    return result;
}

} // namespace

std::vector<double> safeTrust(const StageGame& game, std::span<const double> weights,
                              const StageStrategy& equilibrium, double value, double allowance) {
    if (game.messageCount() == 0) {
        return {};
    }
    const Payoffs payoffs(game);
    std::vector<double> believedGain(at(payoffs.messages), 0.0);
    for (int t = 0; t < payoffs.types; ++t) {
        for (int m = 0; m < payoffs.messages; ++m) {
            believedGain[at(m)] += weights[payoffs.at(t, m)] * payoffs.trustGain[payoffs.at(t, m)];
        }
    }
    const std::vector<double> start = fullTrust(game, equilibrium, believedGain);
    std::vector<double> best(start.size());
    for (std::size_t m = 0; m < best.size(); ++m) {
        best[m] = believedGain[m] > 0 ? 0.0 : believedGain[m] < 0 ? 1.0 : start[m];
    }
    std::vector<double> trust(start.size());
    auto along = [&](double step) {
        for (std::size_t m = 0; m < trust.size(); ++m) {
            trust[m] = start[m] + step * (best[m] - start[m]);
        }
        return std::span<const double>(trust);
    };
    const double ceiling = value + allowance + kRounding;
    const double step =
        largestStep([&](double s) { return moverBest(payoffs, game, along(s)) <= ceiling; });
    along(step);
    return trust;
}

StageStrategy safeCalls(const StageGame& game, std::span<const double> trust,
                        const StageStrategy& equilibrium, double value, double allowance) {
    if (game.messageCount() == 0 || allowance <= 0) {
        return equilibrium;
    }
    const Payoffs payoffs(game);
    StageStrategy best;
    for (int t = 0; t < payoffs.types; ++t) {
        best.typeStart.push_back(t);
        int chosen = 0;
        for (int m = 1; m < payoffs.messages; ++m) {
            if (payoffs.payoff(t, m, trust[at(m)]) > payoffs.payoff(t, chosen, trust[at(chosen)])) {
                chosen = m;
            }
        }
        best.calls.push_back({game.firstCall() + chosen, 1.0});
    }
    best.typeStart.push_back(payoffs.types);
    const double floor = value - allowance - kRounding;
    const double step = largestStep(
        [&](double s) { return responderBestReply(game, mixed(equilibrium, best, s)) >= floor; });
    StageStrategy answer = mixed(equilibrium, best, step);
    answer.trust = equilibrium.trust;
    return answer;
}

} // namespace quintel::solver
