#include "solver/lp_stage_solver.h"

#include "solver/glpk_problem.h"
#include "solver/stage_payoffs.h"
#include "solver/support_solve.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <span>

namespace quintel::solver {

namespace {

// A type whose best call beats what the programme gives it by more than this gets a row for it.
constexpr double kViolation = 1e-10;
// Chances of the simplex's answer this close to 0 or 1 count as 0 or 1 when its support is read.
constexpr double kSupportZero = 1e-9;
constexpr int kMostRounds = 1000;
// Rows that no longer bind are dropped when there are this many times more rows than columns.
constexpr int kRowsPerColumn = 3;

StageSolution checked(const StageGame& game, StageStrategy strategy, long rounds) {
    StageSolution solution;
    solution.check = checkStage(game, strategy);
    solution.strategy = std::move(strategy);
    solution.iterations = rounds;
    return solution;
}

} // namespace

// The responder's programme with the calls and rows added so far. Columns 1..T are the types'
// best payoffs u(t); each call's chance of trust has a column from the stage that first offers
// it. A row's coefficients never change: the positions after a call are solved before any stage
// that offers it.
class LpStageSolver::Programme {
public:
    explicit Programme(const StageGame& game)
        : tables_(&game.tables()), kept_(game.kept()), values_(game.valuesData()),
          types_(game.typeCount()), firstCall_(game.tables().callCount()),
          columnOfCall_(static_cast<std::size_t>(tables_->callCount()), 0),
          problem_(glp_create_prob()) {
        glp_set_obj_dir(problem_.get(), GLP_MIN);
        glp_add_cols(problem_.get(), types_);
        const double largest = game.largestChance();
        for (int t = 0; t < types_; ++t) {
            glp_set_col_bnds(problem_.get(), t + 1, GLP_FR, 0, 0);
            glp_set_obj_coef(problem_.get(), t + 1, game.chance(t) / largest);
        }
        glp_init_smcp(&settings_);
        settings_.msg_lev = GLP_MSG_OFF;
        settings_.meth = GLP_DUALP;
        settings_.tol_bnd = 1e-10;
        settings_.tol_dj = 1e-10;
    }

    // Whether this programme is the one of the stage above `game`, or of `game` itself.
    bool continuesTo(const StageGame& game) const {
        return tables_ == &game.tables() && kept_ == game.kept() && values_ == game.valuesData() &&
               types_ == game.typeCount() && firstCall_ >= game.firstCall() &&
               firstCall_ <= game.firstCall() + 1;
    }

    // Adds the calls the stage offers that the programme does not have yet.
    void offer(const StageGame& game) {
        for (int call = game.firstCall(); call < firstCall_; ++call) {
            const int column = glp_add_cols(problem_.get(), 1);
            glp_set_col_bnds(problem_.get(), column, GLP_DB, 0, 1);
            columnOfCall_[static_cast<std::size_t>(call)] = column;
        }
        firstCall_ = std::min(firstCall_, game.firstCall());
    }

    int trustColumn(int call) const { return columnOfCall_[static_cast<std::size_t>(call)]; }

    bool has(int t, int call) const {
        return std::ranges::any_of(
            rowsOf(t), [&](int row) { return rows_[static_cast<std::size_t>(row)].call == call; });
    }

    void add(const StageGame& game, const Payoffs& payoffs, int t, int m) {
        const int call = game.firstCall() + m;
        if (has(t, call)) {
            return;
        }
        const int row = glp_add_rows(problem_.get(), 1);
        rows_.resize(static_cast<std::size_t>(row) + 1);
        rows_[static_cast<std::size_t>(row)] = {t, call};
        rowsOfType_.resize(static_cast<std::size_t>(types_));
        rowsOfType_[static_cast<std::size_t>(t)].push_back(row);
        glp_set_row_bnds(problem_.get(), row, GLP_LO, payoffs.challenge[payoffs.at(t, m)], 0);
        const double gain = payoffs.trustGain[payoffs.at(t, m)];
        const std::array<int, 3> columns{0, t + 1, trustColumn(call)};
        const std::array<double, 3> values{0, 1, -gain};
        glp_set_mat_row(problem_.get(), row, gain == 0 ? 1 : 2, columns.data(), values.data());
    }

    bool solve() {
        if (glp_simplex(problem_.get(), &settings_) == 0 &&
            glp_get_status(problem_.get()) == GLP_OPT) {
            return true;
        }
        // A basis the dual simplex cannot go on from is rare; a fresh start mends it.
        glp_std_basis(problem_.get());
        settings_.meth = GLP_PRIMAL;
        const bool solved = glp_simplex(problem_.get(), &settings_) == 0 &&
                            glp_get_status(problem_.get()) == GLP_OPT;
        settings_.meth = GLP_DUALP;
        return solved;
    }

    bool solved() const { return glp_get_status(problem_.get()) == GLP_OPT; }
    double best(int t) const { return glp_get_col_prim(problem_.get(), t + 1); }
    double trust(int call) const {
        return std::clamp(glp_get_col_prim(problem_.get(), trustColumn(call)), 0.0, 1.0);
    }

    // The mover's calls, from the duals of the rows, and the trust of every call made.
    StageStrategy strategy(const StageGame& game) const {
        StageStrategy strategy;
        std::vector<bool> made(static_cast<std::size_t>(game.messageCount()), false);
        std::vector<MixedCall> calls;
        for (int t = 0; t < types_; ++t) {
            calls.clear();
            double total = 0;
            for (const int row : rowsOf(t)) {
                const double dual = glp_get_row_dual(problem_.get(), row);
                if (dual > 0) {
                    calls.push_back({rows_[static_cast<std::size_t>(row)].call, dual});
                    total += dual;
                }
            }
            std::ranges::sort(calls, {}, &MixedCall::call);
            strategy.typeStart.push_back(static_cast<int>(strategy.calls.size()));
            for (const MixedCall& call : calls) {
                strategy.calls.push_back({call.call, call.chance / total});
                made[static_cast<std::size_t>(call.call - game.firstCall())] = true;
            }
        }
        strategy.typeStart.push_back(static_cast<int>(strategy.calls.size()));
        for (int m = 0; m < game.messageCount(); ++m) {
            if (made[static_cast<std::size_t>(m)]) {
                strategy.trust.push_back({game.firstCall() + m, trust(game.firstCall() + m)});
            }
        }
        return strategy;
    }

    // Drops rows whose slack is basic (they do not bind), which leaves the basis as it is.
    void dropLooseRows() {
        const int rowCount = glp_get_num_rows(problem_.get());
        if (rowCount <= kRowsPerColumn * glp_get_num_cols(problem_.get())) {
            return;
        }
        std::vector<int> loose{0};
        for (int row = 1; row <= rowCount; ++row) {
            if (glp_get_row_stat(problem_.get(), row) == GLP_BS) {
                loose.push_back(row);
            }
        }
        if (loose.size() == 1) {
            return;
        }
        glp_del_rows(problem_.get(), static_cast<int>(loose.size()) - 1, loose.data());
        std::vector<Row> kept{Row{}};
        for (int row = 1, next = 1; row <= rowCount; ++row) {
            if (next < static_cast<int>(loose.size()) &&
                loose[static_cast<std::size_t>(next)] == row) {
                ++next;
            } else {
                kept.push_back(rows_[static_cast<std::size_t>(row)]);
            }
        }
        rows_ = std::move(kept);
        rowsOfType_.assign(static_cast<std::size_t>(types_), {});
        for (std::size_t row = 1; row < rows_.size(); ++row) {
            rowsOfType_[static_cast<std::size_t>(rows_[row].type)].push_back(static_cast<int>(row));
        }
    }

private:
    struct Row {
        int type = 0;
        int call = 0;
    };

    std::span<const int> rowsOf(int t) const {
        if (static_cast<std::size_t>(t) >= rowsOfType_.size()) {
            return {};
        }
        return rowsOfType_[static_cast<std::size_t>(t)];
    }

    const GameTables* tables_;
    int kept_;
    const double* values_;
    int types_;
    int firstCall_; // the weakest call with a column
    std::vector<int> columnOfCall_;
    std::vector<Row> rows_{Row{}}; // by GLPK row number, from 1
    std::vector<std::vector<int>> rowsOfType_;
    GlpkProblem problem_;
    glp_smcp settings_{};
};

LpStageSolver::LpStageSolver() = default;
LpStageSolver::~LpStageSolver() = default;
LpStageSolver::LpStageSolver(LpStageSolver&&) noexcept = default;
LpStageSolver& LpStageSolver::operator=(LpStageSolver&&) noexcept = default;

StageSolution LpStageSolver::solve(const StageGame& game, const SolverSettings& settings) {
    if (game.messageCount() == 0) {
        StageSolution solution;
        solution.strategy.typeStart.assign(static_cast<std::size_t>(game.typeCount()) + 1, 0);
        return solution;
    }
    if (!programme_ || !programme_->continuesTo(game)) {
        programme_ = std::make_unique<Programme>(game);
    }
    Programme& programme = *programme_;
    programme.offer(game);
    const Payoffs payoffs(game);
    std::vector<double> trust(static_cast<std::size_t>(payoffs.messages));
    std::vector<double> best(static_cast<std::size_t>(payoffs.types));
    auto readAnswer = [&] {
        for (int t = 0; t < payoffs.types; ++t) {
            best[static_cast<std::size_t>(t)] = programme.best(t);
        }
        for (int m = 0; m < payoffs.messages; ++m) {
            trust[static_cast<std::size_t>(m)] = programme.trust(game.firstCall() + m);
        }
    };
    // The last optimum, with the new calls at no trust, says which rows to start with; a new
    // programme has no optimum yet and starts each type at its best call under even trust.
    if (programme.solved()) {
        readAnswer();
    } else {
        std::ranges::fill(trust, 0.5);
    }
    long rounds = 0;
    bool settled = false;
    while (rounds < kMostRounds) {
        int added = 0;
        for (int t = 0; t < payoffs.types; ++t) {
            for (const int m : payoffs.bestMessages(t, trust)) {
                if ((rounds == 0 || payoffs.payoff(t, m, trust[static_cast<std::size_t>(m)]) >
                                        best[static_cast<std::size_t>(t)] + kViolation) &&
                    !programme.has(t, game.firstCall() + m)) {
                    programme.add(game, payoffs, t, m);
                    ++added;
                }
            }
        }
        if (rounds > 0 && added == 0) {
            settled = true;
            break;
        }
        ++rounds;
        if (!programme.solve()) {
            break;
        }
        readAnswer();
    }
    std::optional<StageSolution> answer;
    if (settled) {
        StageSolution simplex = checked(game, programme.strategy(game), rounds);
        answer = simplex;
        if (settings.exactSupport) {
            const StageStrategy& near = simplex.strategy;
            if (auto exact = solveOnSupport(game, supportOf(near, kSupportZero), near)) {
                StageSolution polished = checked(game, std::move(*exact), rounds);
                polished.exact = true;
                if (polished.check.gap() <= simplex.check.gap()) {
                    answer = std::move(polished);
                }
            }
        }
    } else {
        // The simplex failed or did not settle: what it has is still a strategy, and the check
        // says how good.
        answer = checked(game, programme.strategy(game), rounds);
    }
    programme.dropLooseRows();
    return *answer;
}

void releaseSolverThread() {
    glp_free_env();
}

} // namespace quintel::solver
