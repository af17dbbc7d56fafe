#include "solver/safe_response.h"

#include "solver/stage_payoffs.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace quintel::solver {

namespace {

// What a best reply may gain beyond the allowance by the rounding of the simplex and the sums.
constexpr double kRounding = 1e-12;
// A type's best message above what the programme gives it by more than this gets its row; a call
// whose reduced cost is above it gets its column.
constexpr double kViolation = 1e-10;
constexpr int kMostRounds = 200;
constexpr int kHalvings = 50;

struct ProblemDeleter {
    void operator()(glp_prob* problem) const { glp_delete_prob(problem); }
};
using Problem = std::unique_ptr<glp_prob, ProblemDeleter>;

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

Problem newProblem(int direction) {
    Problem problem(glp_create_prob());
    glp_set_obj_dir(problem.get(), direction);
    return problem;
}

bool simplex(glp_prob* problem) {
    glp_smcp settings;
    glp_init_smcp(&settings);
    settings.msg_lev = GLP_MSG_OFF;
    settings.meth = GLP_DUALP;
    settings.tol_bnd = 1e-10;
    settings.tol_dj = 1e-10;
    if (glp_simplex(problem, &settings) == 0 && glp_get_status(problem) == GLP_OPT) {
        return true;
    }
    glp_std_basis(problem);
    settings.meth = GLP_PRIMAL;
    return glp_simplex(problem, &settings) == 0 && glp_get_status(problem) == GLP_OPT;
}

double largestChance(const StageGame& game) {
    double largest = 0;
    for (int t = 0; t < game.typeCount(); ++t) {
        largest = std::max(largest, game.chance(t));
    }
    return largest;
}

// The largest step from `from` towards `to` in [0, 1] that `fits`, for a property that holds at
// `from` and, being convex along the way, on an interval from there.
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

// The responder's programme: columns u(t) for t = 1..T, then b(m); the budget row first, then a
// row per (type, message) as they join.
class TrustProgramme {
public:
    TrustProgramme(const StageGame& game, const Payoffs& payoffs, std::span<const double> objective,
                   double ceiling)
        : payoffs_(payoffs), types_(game.typeCount()), problem_(newProblem(GLP_MIN)),
          present_(payoffs.challenge.size(), false) {
        glp_add_cols(problem_.get(), types_ + payoffs.messages);
        const double largest = largestChance(game);
        std::vector<int> columns{0};
        std::vector<double> values{0};
        for (int t = 0; t < types_; ++t) {
            glp_set_col_bnds(problem_.get(), t + 1, GLP_FR, 0, 0);
            columns.push_back(t + 1);
            values.push_back(game.chance(t) / largest);
        }
        for (int m = 0; m < payoffs.messages; ++m) {
            glp_set_col_bnds(problem_.get(), trustColumn(m), GLP_DB, 0, 1);
            glp_set_obj_coef(problem_.get(), trustColumn(m), objective[at(m)]);
        }
        glp_add_rows(problem_.get(), 1);
        glp_set_row_bnds(problem_.get(), 1, GLP_UP, 0, ceiling / largest);
        glp_set_mat_row(problem_.get(), 1, types_, columns.data(), values.data());
    }

    int trustColumn(int m) const { return types_ + m + 1; }

    bool add(int t, int m) {
        if (present_[payoffs_.at(t, m)]) {
            return false;
        }
        present_[payoffs_.at(t, m)] = true;
        const int row = glp_add_rows(problem_.get(), 1);
        glp_set_row_bnds(problem_.get(), row, GLP_LO, payoffs_.challenge[payoffs_.at(t, m)], 0);
        const double gain = payoffs_.trustGain[payoffs_.at(t, m)];
        const std::array<int, 3> columns{0, t + 1, trustColumn(m)};
        const std::array<double, 3> values{0, 1, -gain};
        glp_set_mat_row(problem_.get(), row, gain == 0 ? 1 : 2, columns.data(), values.data());
        return true;
    }

    bool solve() { return simplex(problem_.get()); }
    double best(int t) const { return glp_get_col_prim(problem_.get(), t + 1); }
    double trust(int m) const {
        return std::clamp(glp_get_col_prim(problem_.get(), trustColumn(m)), 0.0, 1.0);
    }

private:
    const Payoffs& payoffs_;
    int types_;
    Problem problem_;
    std::vector<bool> present_;
};

// The mover's programme: rows p(t) for each type, then the challenged and the trusted row of
// each message, then the budget; columns z(m) for the messages, then x(t, m) as they join.
class CallProgramme {
public:
    CallProgramme(const StageGame& game, const Payoffs& payoffs, std::span<const double> trust,
                  double floor)
        : payoffs_(payoffs), trust_(trust), types_(game.typeCount()), messages_(payoffs.messages),
          largest_(largestChance(game)), problem_(newProblem(GLP_MAX)),
          column_(payoffs.challenge.size(), 0) {
        glp_add_rows(problem_.get(), types_ + 2 * messages_ + 1);
        for (int t = 0; t < types_; ++t) {
            glp_set_row_bnds(problem_.get(), typeRow(t), GLP_FX, game.chance(t) / largest_,
                             game.chance(t) / largest_);
        }
        glp_add_cols(problem_.get(), messages_);
        std::vector<int> columns{0};
        std::vector<double> ones{0};
        for (int m = 0; m < messages_; ++m) {
            glp_set_row_bnds(problem_.get(), challengedRow(m), GLP_UP, 0, 0);
            glp_set_row_bnds(problem_.get(), trustedRow(m), GLP_UP, 0, 0);
            glp_set_col_bnds(problem_.get(), m + 1, GLP_LO, 0, 0);
            const std::array<int, 3> rows{0, challengedRow(m), trustedRow(m)};
            const std::array<double, 3> values{0, 1, 1};
            glp_set_mat_col(problem_.get(), m + 1, 2, rows.data(), values.data());
            columns.push_back(m + 1);
            ones.push_back(1);
        }
        glp_set_row_bnds(problem_.get(), budgetRow(), GLP_LO, floor / largest_, 0);
        glp_set_mat_row(problem_.get(), budgetRow(), messages_, columns.data(), ones.data());
    }

    double objective(int t, int m) const { return payoffs_.payoff(t, m, trust_[at(m)]); }

    bool add(int t, int m) {
        int& column = column_[payoffs_.at(t, m)];
        if (column != 0) {
            return false;
        }
        column = glp_add_cols(problem_.get(), 1);
        glp_set_col_bnds(problem_.get(), column, GLP_LO, 0, 0);
        glp_set_obj_coef(problem_.get(), column, objective(t, m));
        const double challenged = payoffs_.challenge[payoffs_.at(t, m)];
        const double trusted = challenged + payoffs_.trustGain[payoffs_.at(t, m)];
        std::array<int, 4> rows{0, typeRow(t)};
        std::array<double, 4> values{0, 1};
        int count = 1;
        for (const auto& [row, value] :
             {std::pair{challengedRow(m), -challenged}, std::pair{trustedRow(m), -trusted}}) {
            if (value != 0) {
                ++count;
                rows[at(count)] = row;
                values[at(count)] = value;
            }
        }
        glp_set_mat_col(problem_.get(), column, count, rows.data(), values.data());
        return true;
    }

    // The calls that would raise the objective, best first, for each type: their reduced cost.
    int addImproving() {
        int added = 0;
        std::vector<std::pair<double, int>> improving;
        for (int t = 0; t < types_; ++t) {
            improving.clear();
            const double typeDual = glp_get_row_dual(problem_.get(), typeRow(t));
            for (int m = 0; m < messages_; ++m) {
                if (column_[payoffs_.at(t, m)] != 0) {
                    continue;
                }
                const double challenged = payoffs_.challenge[payoffs_.at(t, m)];
                const double trusted = challenged + payoffs_.trustGain[payoffs_.at(t, m)];
                const double reduced =
                    objective(t, m) - typeDual +
                    challenged * glp_get_row_dual(problem_.get(), challengedRow(m)) +
                    trusted * glp_get_row_dual(problem_.get(), trustedRow(m));
                if (reduced > kViolation) {
                    improving.emplace_back(reduced, m);
                }
            }
            std::ranges::sort(improving, std::greater<>());
            for (std::size_t i = 0; i < improving.size() && i < Payoffs::kRowsPerRound; ++i) {
                added += add(t, improving[i].second) ? 1 : 0;
            }
        }
        return added;
    }

    bool solve() { return simplex(problem_.get()); }

    StageStrategy strategy(const StageGame& game) const {
        StageStrategy found;
        for (int t = 0; t < types_; ++t) {
            found.typeStart.push_back(static_cast<int>(found.calls.size()));
            double total = 0;
            const auto first = found.calls.size();
            for (int m = 0; m < messages_; ++m) {
                const int column = column_[payoffs_.at(t, m)];
                const double x = column == 0 ? 0 : glp_get_col_prim(problem_.get(), column);
                if (x > 0) {
                    found.calls.push_back({game.firstCall() + m, x});
                    total += x;
                }
            }
            for (auto call = found.calls.begin() + static_cast<std::ptrdiff_t>(first);
                 call != found.calls.end(); ++call) {
                call->chance /= total;
            }
        }
        found.typeStart.push_back(static_cast<int>(found.calls.size()));
        return found;
    }

private:
    int typeRow(int t) const { return t + 1; }
    int challengedRow(int m) const { return types_ + m + 1; }
    int trustedRow(int m) const { return types_ + messages_ + m + 1; }
    int budgetRow() const { return types_ + 2 * messages_ + 1; }

    const Payoffs& payoffs_;
    std::span<const double> trust_;
    int types_;
    int messages_;
    double largest_;
    Problem problem_;
    std::vector<int> column_; // per (type, message): its column, 0 while it has none
};

// The calls of `from` and `to` mixed, a share `step` of `to`; types without calls in `to` keep
// those of `from`.
StageStrategy mixed(const StageStrategy& from, const StageStrategy& to, double step) {
    StageStrategy result;
    const int types = static_cast<int>(from.typeStart.size()) - 1;
    for (int t = 0; t < types; ++t) {
        result.typeStart.push_back(static_cast<int>(result.calls.size()));
        const bool moves = to.callsOf(t).size() > 0;
        std::map<int, double> chances;
        for (const MixedCall& call : from.callsOf(t)) {
            chances[call.call] += (moves ? 1 - step : 1) * call.chance;
        }
        for (const MixedCall& call : moves ? to.callsOf(t) : std::span<const MixedCall>{}) {
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
                              std::span<const double> equilibrium, double value, double allowance) {
    const std::vector<double> start(equilibrium.begin(), equilibrium.end());
    if (game.messageCount() == 0) {
        return start;
    }
    const Payoffs payoffs(game);
    std::vector<double> objective(at(payoffs.messages), 0.0);
    for (int t = 0; t < payoffs.types; ++t) {
        for (int m = 0; m < payoffs.messages; ++m) {
            objective[at(m)] += weights[payoffs.at(t, m)] * payoffs.trustGain[payoffs.at(t, m)];
        }
    }
    double scale = 0;
    for (const double coefficient : objective) {
        scale = std::max(scale, std::abs(coefficient));
    }
    if (scale <= 0) {
        return start; // the belief does not care how any call is answered
    }
    for (double& coefficient : objective) {
        coefficient /= scale;
    }
    TrustProgramme programme(game, payoffs, objective, value + allowance);
    std::vector<double> trust = start;
    std::vector<double> best(at(payoffs.types), -1.0);
    bool settled = false;
    for (int round = 0; round < kMostRounds; ++round) {
        int added = 0;
        for (int t = 0; t < payoffs.types; ++t) {
            for (const int m : payoffs.bestMessages(t, trust)) {
                if ((round == 0 || payoffs.payoff(t, m, trust[at(m)]) > best[at(t)] + kViolation) &&
                    programme.add(t, m)) {
                    ++added;
                }
            }
        }
        if (round > 0 && added == 0) {
            settled = true;
            break;
        }
        if (!programme.solve()) {
            break;
        }
        for (int t = 0; t < payoffs.types; ++t) {
            best[at(t)] = programme.best(t);
        }
        for (int m = 0; m < payoffs.messages; ++m) {
            trust[at(m)] = programme.trust(m);
        }
    }
    if (!settled) {
        return start;
    }
    const double ceiling = value + allowance + kRounding;
    auto along = [&](double step) {
        std::vector<double> between(start.size());
        for (std::size_t m = 0; m < between.size(); ++m) {
            between[m] = start[m] + step * (trust[m] - start[m]);
        }
        return between;
    };
    const double step =
        largestStep([&](double s) { return moverBestReply(game, along(s)) <= ceiling; });
    return along(step);
}

StageStrategy safeCalls(const StageGame& game, std::span<const double> trust,
                        const StageStrategy& equilibrium, double value, double allowance) {
    if (game.messageCount() == 0) {
        return equilibrium;
    }
    const Payoffs payoffs(game);
    CallProgramme programme(game, payoffs, trust, value - allowance);
    for (int t = 0; t < payoffs.types; ++t) {
        for (const MixedCall& call : equilibrium.callsOf(t)) {
            programme.add(t, call.call - game.firstCall());
        }
        int best = 0;
        for (int m = 1; m < payoffs.messages; ++m) {
            best = programme.objective(t, m) > programme.objective(t, best) ? m : best;
        }
        programme.add(t, best);
    }
    bool settled = false;
    for (int round = 0; round < kMostRounds && programme.solve(); ++round) {
        if (programme.addImproving() == 0) {
            settled = true;
            break;
        }
    }
    if (!settled) {
        return equilibrium;
    }
    const StageStrategy found = programme.strategy(game);
    const double floor = value - allowance - kRounding;
    const double step = largestStep(
        [&](double s) { return responderBestReply(game, mixed(equilibrium, found, s)) >= floor; });
    return mixed(equilibrium, found, step);
}

} // namespace quintel::solver
