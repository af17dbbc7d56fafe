// The solve: from the strongest last call down, first the stages after that call, then its
// positions, which choose between calling at once and the stages.
#include "solver/solved_game.h"

#include <atomic>
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

} // namespace

SolvedGame SolvedGame::solve(Variant variant, RuleOptions options, const SolverSettings& settings,
                             const std::function<void(int lastCall)>& progress) {
    SolvedGame game(std::make_shared<const GameTables>(variant, options));
    const GameTables& tables = *game.tables_;
    const int calls = tables.callCount();
    const int holdings = tables.holdingCount();
    std::vector<StageSolver> solvers(static_cast<std::size_t>(tables.sets().count()));
    CallAtOnce atOnce{std::vector<double>(static_cast<std::size_t>(holdings),
                                          -std::numeric_limits<double>::infinity()),
                      std::vector<std::uint16_t>(static_cast<std::size_t>(holdings), kNoMove)};
    std::vector<std::vector<int>> keeps(static_cast<std::size_t>(holdings));
    std::mutex tally;

    for (int lastCall = calls - 1; lastCall >= -1; --lastCall) {
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
        std::vector<int> stages;
        for (int kept = 0; kept < tables.sets().count(); ++kept) {
            if (needed[static_cast<std::size_t>(kept)]) {
                stages.push_back(kept);
            }
        }
        // Stages of one last call are independent; each kept set has its own solver, so the
        // answers do not depend on which thread took which stage.
        std::atomic<std::size_t> next = 0;
        auto work = [&] {
            for (std::size_t i = next++; i < stages.size(); i = next++) {
                const int kept = stages[i];
                const StageGame stage(tables, lastCall, kept, game.values_);
                StageSolution solution =
                    solvers[static_cast<std::size_t>(kept)].solve(stage, settings);
                const std::size_t slot = game.stageSlot(lastCall, kept);
                game.stageValues_[slot] = solution.check.value();
                game.strategies_[slot] = std::move(solution.strategy);
                const std::scoped_lock lock(tally);
                game.largestGap_ = std::max(game.largestGap_, solution.check.gap());
                game.iterations_ += solution.iterations;
            }
        };
        {
            std::vector<std::jthread> threads;
            for (int i = 1; i < kThreads; ++i) {
                threads.emplace_back(work);
            }
            work();
        }
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
    return game;
}

} // namespace quintel::solver
