#include "solver/restricted_trust.h"

#include "model/index.h"
#include "solver/glpk_problem.h"
#include "solver/stage_payoffs.h"

#include <algorithm>

namespace quintel::solver {

namespace {

// A type whose best call beats its row's bound by more than this gets rows for its best calls.
constexpr double kTrustRowViolation = 1e-11;
constexpr int kMostTrustRounds = 60;
constexpr int kMostTrustSimplexSteps = 20000;

class TrustProgramme {
public:
    TrustProgramme(const StageGame& game, const Payoffs& payoffs,
                   std::span<const double> believedGain, std::span<const double> start,
                   std::span<const double> best, double ceiling)
        : payoffs_(&payoffs), problem_(glp_create_prob()) {
        const int messages = payoffs.messages;
        const double largest = game.largestChance();
        glp_set_obj_dir(problem_.get(), GLP_MIN);
        glp_add_cols(problem_.get(), messages + payoffs.types);
        for (int m = 0; m < messages; ++m) {
            const double low = std::min(start[at(m)], best[at(m)]);
            const double high = std::max(start[at(m)], best[at(m)]);
            const int column = m + 1;
            glp_set_col_bnds(problem_.get(), column, low < high ? GLP_DB : GLP_FX, low, high);
            glp_set_obj_coef(problem_.get(), column, believedGain[at(m)]);
        }
        std::vector<int> columns{0};
        std::vector<double> factors{0};
        for (int t = 0; t < payoffs.types; ++t) {
            glp_set_col_bnds(problem_.get(), typeColumn(t), GLP_FR, 0, 0);
            columns.push_back(typeColumn(t));
            factors.push_back(game.chance(t) / largest);
        }
        const int budget = glp_add_rows(problem_.get(), 1);
        glp_set_row_bnds(problem_.get(), budget, GLP_UP, 0, ceiling / largest);
        glp_set_mat_row(problem_.get(), budget, payoffs.types, columns.data(), factors.data());
        glp_init_smcp(&settings_);
        settings_.msg_lev = GLP_MSG_OFF;
        settings_.meth = GLP_DUALP;
        settings_.it_lim = kMostTrustSimplexSteps;
        settings_.tol_bnd = 1e-11;
        has_.assign(static_cast<std::size_t>(payoffs.types) * at(messages), false);
    }

    // Rows for each type's best calls against `trust`, where the type's bound falls short.
    // Returns how many were added.
    int addRows(std::span<const double> trust, bool everyType) {
        int added = 0;
        for (int t = 0; t < payoffs_->types; ++t) {
            const double bound = everyType ? -1 : glp_get_col_prim(problem_.get(), typeColumn(t));
            for (const int m : payoffs_->bestMessages(t, trust)) {
                if (payoffs_->payoff(t, m, trust[at(m)]) > bound + kTrustRowViolation &&
                    !has_[payoffs_->at(t, m)]) {
                    addRow(t, m);
                    ++added;
                }
            }
        }
        return added;
    }

    bool solve() {
        return glp_simplex(problem_.get(), &settings_) == 0 &&
               glp_get_status(problem_.get()) == GLP_OPT;
    }

    std::vector<double> trust() const {
        std::vector<double> result(at(payoffs_->messages));
        for (int m = 0; m < payoffs_->messages; ++m) {
            result[at(m)] = std::clamp(glp_get_col_prim(problem_.get(), m + 1), 0.0, 1.0);
        }
        return result;
    }

private:
    int typeColumn(int t) const { return payoffs_->messages + t + 1; }

    // u(t) - trustGain(t, m) x(m) >= challenge(t, m)
    void addRow(int t, int m) {
        has_[payoffs_->at(t, m)] = true;
        const int row = glp_add_rows(problem_.get(), 1);
        glp_set_row_bnds(problem_.get(), row, GLP_LO, payoffs_->challenge[payoffs_->at(t, m)], 0);
        const std::array<int, 3> columns{0, typeColumn(t), m + 1};
        const std::array<double, 3> factors{0, 1.0, -payoffs_->trustGain[payoffs_->at(t, m)]};
        glp_set_mat_row(problem_.get(), row, 2, columns.data(), factors.data());
    }

    const Payoffs* payoffs_;
    GlpkProblem problem_;
    glp_smcp settings_{};
    std::vector<bool> has_;
};

} // namespace

std::vector<double> restrictedTrust(const StageGame& game, const Payoffs& payoffs,
                                    std::span<const double> believedGain,
                                    std::span<const double> start, std::span<const double> best,
                                    double ceiling) {
    TrustProgramme programme(game, payoffs, believedGain, start, best, ceiling);
    programme.addRows(start, true);
    programme.addRows(best, true);
    for (int round = 0; round < kMostTrustRounds; ++round) {
        if (!programme.solve()) {
            return {};
        }
        std::vector<double> trust = programme.trust();
        if (programme.addRows(trust, false) == 0) {
            return trust;
        }
    }
    return {};
}

} // namespace quintel::solver
