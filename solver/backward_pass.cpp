// The solve: from the strongest last call down, first the stages after that call, then its
// positions, which choose between calling at once and the stages.
#include "solver/solved_game.h"

#include "solver/lp_stage_solver.h"

#include <barrier>
#include <cmath>
#include <limits>
#include <mutex>
#include <thread>

namespace quintel::solver {

namespace {

constexpr int kThreads = 2;

// The best call made at once from each holding, over the calls above the last call.
struct CallAtOnce {
    std::vector<double> value;
    std::vector<std::uint16_t> call;
};

// Which worker solves each kept set's stages: the sets of each size dealt in turn, so that both
// get stages of every size.
std::vector<int> workerOfKeptSet(const DiceSets& sets) {
    std::vector<int> worker(static_cast<std::size_t>(sets.count()), 0);
    for (int dice = 0; dice <= sets.variant().dice; ++dice) {
        int next = 0;
        for (const int set : sets.ofSize(dice)) {
            worker[static_cast<std::size_t>(set)] = next++ % kThreads;
        }
    }
    return worker;
}

} // namespace

SolvedGame SolvedGame::solve(Variant variant, RuleOptions options, const SolverSettings& settings,
                             const std::function<void(int lastCall)>& progress) {
    SolvedGame game(std::make_shared<const GameTables>(variant, options));
    const GameTables& tables = *game.tables_;
    const int calls = tables.callCount();
    const int holdings = tables.holdingCount();
    CallAtOnce atOnce{std::vector<double>(static_cast<std::size_t>(holdings),
                                          -std::numeric_limits<double>::infinity()),
                      std::vector<std::uint16_t>(static_cast<std::size_t>(holdings), kNoMove)};
    std::vector<std::vector<int>> keeps(static_cast<std::size_t>(holdings));
    std::mutex tally;
    std::vector<StageStrategy> strategies(game.stageValues_.size());

    // The stages of one last call are independent. Each kept set has its own solver, which
    // carries its answers down the last calls and lives on one worker for the whole solve (GLPK's
    // problems belong to the thread that made them), so the answers do not depend on timing.
    const std::vector<int> workerOf = workerOfKeptSet(tables.sets());
    int lastCall = calls - 1;
    std::vector<int> stages;
    bool finished = false;
    std::barrier sync(kThreads + 1);
    auto work = [&](int self) {
        std::vector<LpStageSolver> solvers(static_cast<std::size_t>(tables.sets().count()));
        for (;;) {
            sync.arrive_and_wait(); // a last call's stages are ready, or the solve is over
            if (finished) {
                break;
            }
            for (const int kept : stages) {
                if (workerOf[static_cast<std::size_t>(kept)] != self) {
                    continue;
                }
                const StageGame stage(tables, lastCall, kept, game.values_);
                StageSolution solution =
                    solvers[static_cast<std::size_t>(kept)].solve(stage, settings);
                const std::size_t slot = game.stageSlot(lastCall, kept);
                game.stageValues_[slot] = solution.check.value();
                strategies[slot] = std::move(solution.strategy);
                const std::scoped_lock lock(tally);
                game.largestGap_ = std::max(game.largestGap_, solution.check.gap());
                game.iterations_ += solution.iterations;
            }
            sync.arrive_and_wait();
        }
        solvers.clear();
        releaseSolverThread();
    };
    std::vector<std::jthread> workers;
    for (int i = 0; i < kThreads; ++i) {
        workers.emplace_back(work, i);
    }

    for (; lastCall >= -1; --lastCall) {
        const int above = lastCall + 1;
        if (above < calls) {
            for (int holding = 0; holding < holdings; ++holding) {
                const double value = game.callAtOnce(holding, above);
                if (value > atOnce.value[static_cast<std::size_t>(holding)]) {
                    atOnce.value[static_cast<std::size_t>(holding)] = value;
                    atOnce.call[static_cast<std::size_t>(holding)] =
                        static_cast<std::uint16_t>(above);
                }
            }
        }
        std::vector<bool> needed(static_cast<std::size_t>(tables.sets().count()), false);
        if (lastCall < 0) {
            needed[static_cast<std::size_t>(tables.sets().empty())] = true;
        } else {
            for (int holding = 0; holding < holdings; ++holding) {
                keeps[static_cast<std::size_t>(holding)] = tables.allowedKeeps(lastCall, holding);
                for (const int kept : keeps[static_cast<std::size_t>(holding)]) {
                    needed[static_cast<std::size_t>(kept)] = true;
                }
            }
        }
        stages.clear();
        for (int kept = 0; kept < tables.sets().count(); ++kept) {
            if (needed[static_cast<std::size_t>(kept)]) {
                stages.push_back(kept);
            }
        }
        sync.arrive_and_wait(); // the workers start on this last call's stages
        sync.arrive_and_wait(); // and have solved them
        if (lastCall >= 0) {
            for (int holding = 0; holding < holdings; ++holding) {
                double best = atOnce.value[static_cast<std::size_t>(holding)];
                std::uint16_t choice = atOnce.call[static_cast<std::size_t>(holding)];
                for (const int kept : keeps[static_cast<std::size_t>(holding)]) {
                    const double value = game.stageValues_[game.stageSlot(lastCall, kept)];
                    if (value > best) {
                        best = value;
                        choice = static_cast<std::uint16_t>(kKeepFlag | kept);
                    }
                }
                const std::size_t slot =
                    static_cast<std::size_t>(holding) * static_cast<std::size_t>(calls) +
                    static_cast<std::size_t>(lastCall);
                game.values_[slot] = choice == kNoMove ? 0 : best;
                game.choices_[slot] = choice;
            }
        }
        if (progress) {
            progress(lastCall);
        }
    }
    finished = true;
    sync.arrive_and_wait();
    workers.clear();
    game.pack(std::move(strategies));
    return game;
}

} // namespace quintel::solver
