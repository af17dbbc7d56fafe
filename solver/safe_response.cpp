#include "solver/safe_response.h"
#include "model/index.h"

#include "solver/glpk_problem.h"
#include "solver/restricted_trust.h"
#include "solver/stage_payoffs.h"

#include <algorithm>
#include <map>

namespace quintel::solver {

namespace {

// What a best reply may gain beyond the allowance by the rounding of the sums.
constexpr double kSumRounding = 1e-12;
constexpr int kHalvings = 50;
// What the simplex's answer may lose beyond the allowance by its rounding.
constexpr double kSimplexRounding = 1e-9;
constexpr int kMostSimplexSteps = 4000;
// The calls programme offers each type its equilibrium calls and this many of its best calls
// against the belief.
constexpr int kBelievedCalls = 4;
// Chances the simplex leaves this close to 0 are none.
constexpr double kNoChance = 1e-12;

// The simplex with a cap on its steps, so that a degenerate programme gives up (and the stage keeps
// the equilibrium's answer) rather than holding up a turn; the cap, not a clock, keeps play
// repeatable.
bool solveProblem(glp_prob* problem) {
    glp_smcp settings;
    glp_init_smcp(&settings);
    settings.msg_lev = GLP_MSG_OFF;
    settings.it_lim = kMostSimplexSteps;
    settings.presolve = GLP_ON;
    // The answer must keep the responder within the allowance to well under the rounding the
    // check allows, or most of it would be mixed away again.
    settings.tol_bnd = 1e-11;
    return glp_simplex(problem, &settings) == 0 && glp_get_status(problem) == GLP_OPT;
}

void setRow(glp_prob* problem, int row, std::vector<int> columns, std::vector<double> factors) {
    columns.insert(columns.begin(), 0);
    factors.insert(factors.begin(), 0);
    glp_set_mat_row(problem, row, static_cast<int>(columns.size()) - 1, columns.data(),
                    factors.data());
}

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

// The mover's restricted programme: the mixed calls that win most against the belief `trust`
// while the responder's best answers leave them at least `floor`,
//
//   maximise  sum over t, m of p(t) s(t, m) payoff(t, m, trust(m))
//   subject to w(m) <= sum over t of p(t) s(t, m) challenge(t, m)
//              w(m) <= sum over t of p(t) s(t, m) (challenge(t, m) + trustGain(t, m))
//              sum over m of w(m) >= floor,   sum over m of s(t, m) = 1,   s >= 0.
//
// Each type is offered its equilibrium calls and its best few against the belief, which keeps
// the programme small; the bound holds whatever calls are offered. Empty when the simplex fails.
StageStrategy restrictedCalls(const StageGame& game, const Payoffs& payoffs,
                              const Payoffs& believed, std::span<const double> trust,
                              const StageStrategy& equilibrium, double floor) {
    const int types = payoffs.types;
    const int messages = payoffs.messages;
    const double largest = game.largestChance();
    struct Offer {
        int type;
        int message;
    };
    std::vector<Offer> offers;
    for (int t = 0; t < types; ++t) {
        std::vector<int> offered;
        for (const MixedCall& call : equilibrium.callsOf(t)) {
            offered.push_back(call.call - game.firstCall());
        }
        std::vector<int> byPayoff(at(messages));
        for (int m = 0; m < messages; ++m) {
            byPayoff[at(m)] = m;
        }
        const auto count = std::min<std::ptrdiff_t>(kBelievedCalls, messages);
        std::ranges::partial_sort(byPayoff, byPayoff.begin() + count, [&](int a, int b) {
            return believed.payoff(t, a, trust[at(a)]) > believed.payoff(t, b, trust[at(b)]);
        });
        offered.insert(offered.end(), byPayoff.begin(), byPayoff.begin() + count);
        std::ranges::sort(offered);
        const auto repeated = std::ranges::unique(offered);
        offered.erase(repeated.begin(), repeated.end());
        for (const int m : offered) {
            offers.push_back({t, m});
        }
    }
    GlpkProblem problem(glp_create_prob());
    glp_set_obj_dir(problem.get(), GLP_MAX);
    const int offerCount = static_cast<int>(offers.size());
    // Columns: each offer's chance, then each message's worst answer w(m).
    glp_add_cols(problem.get(), offerCount + messages);
    std::vector<std::vector<int>> answerColumns(at(messages));
    std::vector<std::vector<double>> challengeFactors(at(messages));
    std::vector<std::vector<double>> trustFactors(at(messages));
    std::vector<std::vector<int>> typeColumns(at(types));
    for (int i = 0; i < offerCount; ++i) {
        const auto [t, m] = offers[at(i)];
        const double chance = game.chance(t) / largest;
        glp_set_col_bnds(problem.get(), i + 1, GLP_LO, 0, 0);
        glp_set_obj_coef(problem.get(), i + 1, chance * believed.payoff(t, m, trust[at(m)]));
        typeColumns[at(t)].push_back(i + 1);
        answerColumns[at(m)].push_back(i + 1);
        challengeFactors[at(m)].push_back(-chance * payoffs.challenge[payoffs.at(t, m)]);
        trustFactors[at(m)].push_back(-chance * payoffs.payoff(t, m, 1.0));
    }
    for (int m = 0; m < messages; ++m) {
        glp_set_col_bnds(problem.get(), offerCount + m + 1, GLP_FR, 0, 0);
    }
    for (int t = 0; t < types; ++t) {
        const int row = glp_add_rows(problem.get(), 1);
        glp_set_row_bnds(problem.get(), row, GLP_FX, 1, 1);
        setRow(problem.get(), row, typeColumns[at(t)],
               std::vector<double>(typeColumns[at(t)].size(), 1.0));
    }
    std::vector<int> answers;
    for (int m = 0; m < messages; ++m) {
        const int answer = offerCount + m + 1;
        answers.push_back(answer);
        for (const auto* factors : {&challengeFactors[at(m)], &trustFactors[at(m)]}) {
            const int row = glp_add_rows(problem.get(), 1);
            glp_set_row_bnds(problem.get(), row, GLP_UP, 0, 0);
            std::vector<int> columns = answerColumns[at(m)];
            std::vector<double> values = *factors;
            columns.push_back(answer);
            values.push_back(1);
            setRow(problem.get(), row, columns, values);
        }
    }
    const int budget = glp_add_rows(problem.get(), 1);
    glp_set_row_bnds(problem.get(), budget, GLP_LO, floor / largest, 0);
    setRow(problem.get(), budget, answers, std::vector<double>(answers.size(), 1.0));
    if (!solveProblem(problem.get())) {
        return {};
    }
    StageStrategy answer;
    for (int t = 0; t < types; ++t) {
        answer.typeStart.push_back(static_cast<int>(answer.calls.size()));
        double total = 0;
        for (const int column : typeColumns[at(t)]) {
            total += std::max(0.0, glp_get_col_prim(problem.get(), column));
        }
        for (const int column : typeColumns[at(t)]) {
            const double chance = std::max(0.0, glp_get_col_prim(problem.get(), column)) / total;
            if (chance > kNoChance) {
                answer.calls.push_back({game.firstCall() + offers[at(column - 1)].message, chance});
            }
        }
    }
    answer.typeStart.push_back(static_cast<int>(answer.calls.size()));
    return answer;
}

} // namespace

std::vector<double> safeTrust(const StageGame& game, std::span<const double> weights,
                              const StageStrategy& equilibrium, double value, double allowance,
                              const StageGame* believedStage) {
    if (game.messageCount() == 0) {
        return {};
    }
    const Payoffs payoffs(game);
    const Payoffs believed(believedStage != nullptr ? *believedStage : game);
    std::vector<double> believedGain(at(payoffs.messages), 0.0);
    for (int t = 0; t < payoffs.types; ++t) {
        for (int m = 0; m < payoffs.messages; ++m) {
            believedGain[at(m)] += weights[payoffs.at(t, m)] * believed.trustGain[payoffs.at(t, m)];
        }
    }
    const std::vector<double> start = fullTrust(game, equilibrium, believedGain);
    std::vector<double> best(start.size());
    for (std::size_t m = 0; m < best.size(); ++m) {
        best[m] = believedGain[m] > 0 ? 0.0 : believedGain[m] < 0 ? 1.0 : start[m];
    }
    const double ceiling = value + allowance + kSumRounding;
    if (allowance > 0) {
        // The programme's answer, less the simplex's rounding: the risk is convex along the way
        // from the equilibrium's answer to it, as on the way to the best reply.
        const std::vector<double> restricted =
            restrictedTrust(game, payoffs, believedGain, start, best, value + allowance);
        if (!restricted.empty()) {
            best = restricted;
        }
    }
    std::vector<double> trust(start.size());
    auto along = [&](double step) {
        for (std::size_t m = 0; m < trust.size(); ++m) {
            trust[m] = start[m] + step * (best[m] - start[m]);
        }
        return std::span<const double>(trust);
    };
    const double step =
        largestStep([&](double s) { return moverBest(payoffs, game, along(s)) <= ceiling; });
    along(step);
    return trust;
}

StageStrategy safeCalls(const StageGame& game, std::span<const double> trust,
                        const StageStrategy& equilibrium, double value, double allowance,
                        const StageGame* believedStage) {
    if (game.messageCount() == 0) {
        return equilibrium;
    }
    const Payoffs payoffs(game);
    const Payoffs believed(believedStage != nullptr ? *believedStage : game);
    const StageStrategy best =
        restrictedCalls(game, payoffs, believed, trust, equilibrium, value - allowance);
    if (best.calls.empty()) {
        return equilibrium;
    }
    const double floor = value - allowance - kSimplexRounding;
    const double step = largestStep(
        [&](double s) { return responderBestReply(game, mixed(equilibrium, best, s)) >= floor; });
    StageStrategy answer = mixed(equilibrium, best, step);
    answer.trust = equilibrium.trust;
    return answer;
}

} // namespace quintel::solver
