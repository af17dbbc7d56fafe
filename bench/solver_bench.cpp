// The largest stage of the game and the load of a stored solve.
#include "solver/data_file.h"
#include "solver/lp_stage_solver.h"
#include "testing/stage_solver.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace quintel::solver {
namespace {

const GameTables& tables() {
    static const GameTables realGame(kRealGame, {});
    return realGame;
}

// Positions after the opening with fixed random values: the stage's size and shape are the
// real ones, whatever the values.
const std::vector<double>& values() {
    static const std::vector<double> random = [] {
        std::mt19937 generator(5);
        std::uniform_real_distribution<double> chance(0, 1);
        std::vector<double> drawn(static_cast<std::size_t>(tables().holdingCount()) *
                                  static_cast<std::size_t>(tables().callCount()));
        for (double& value : drawn) {
            value = chance(generator);
        }
        return drawn;
    }();
    return random;
}

// Keeping nothing, every call allowed: 252 types and 461 calls, solved from nothing. The
// arguments: whether the support is solved exactly (0: the iteration alone), and the tolerance
// as a power of ten, 5 for the stored solves'.
void OpeningStageFromNothing(benchmark::State& state) {
    const StageGame game(tables(), -1, tables().sets().empty(), values());
    const SolverSettings settings{.tolerance = std::pow(10.0, -static_cast<double>(state.range(1))),
                                  .exactSupport = state.range(0) != 0};
    for (auto _ : state) {
        StageSolver solver;
        const StageSolution solution = solver.solve(game, settings);
        if (solution.check.gap() > settings.tolerance) {
            state.SkipWithError("the stage is not solved within the tolerance");
            return;
        }
        state.counters["iterations"] = static_cast<double>(solution.iterations);
        benchmark::DoNotOptimize(solution.check);
    }
}
BENCHMARK(OpeningStageFromNothing)
    ->ArgNames({"exact", "tolerance"})
    ->Args({0, 5})
    ->Args({1, 5})
    ->Unit(benchmark::kMillisecond);

// The same stage solved as the responder's linear programme, its support then solved exactly.
void OpeningStageByLinearProgramme(benchmark::State& state) {
    const StageGame game(tables(), -1, tables().sets().empty(), values());
    const SolverSettings settings{.tolerance = 1e-9};
    for (auto _ : state) {
        LpStageSolver solver;
        const StageSolution solution = solver.solve(game, settings);
        if (solution.check.gap() > settings.tolerance) {
            state.SkipWithError("the stage is not solved within the tolerance");
            return;
        }
        state.counters["rounds"] = static_cast<double>(solution.iterations);
        state.counters["gap"] = solution.check.gap();
        benchmark::DoNotOptimize(solution.check);
    }
}
BENCHMARK(OpeningStageByLinearProgramme)->Unit(benchmark::kMillisecond);

// Keeping nothing, every last call from the strongest down with one solver, as the backward pass
// solves a kept set's stages.
void EmptyKeepDownEveryLastCall(benchmark::State& state) {
    for (auto _ : state) {
        LpStageSolver solver;
        double largestGap = 0;
        for (int lastCall = tables().callCount() - 1; lastCall >= -1; --lastCall) {
            const StageGame game(tables(), lastCall, tables().sets().empty(), values());
            largestGap = std::max(largestGap, solver.solve(game, {}).check.gap());
        }
        state.counters["gap"] = largestGap;
    }
}
BENCHMARK(EmptyKeepDownEveryLastCall)->Unit(benchmark::kMillisecond);

// Loading the stored solve of one option set (0 none, 1 any, 2 perm, 3 both), as the game does
// when a player signs in against the solved game.
void LoadStoredSolve(benchmark::State& state) {
    const RuleOptions options{.fixAny = (state.range(0) & 1) != 0,
                              .fixPermanent = (state.range(0) & 2) != 0};
    const auto path = std::filesystem::path(QUINTEL_SOLVED_DATA) / dataFileName(options);
    state.SetLabel(path.filename().string());
    for (auto _ : state) {
        const LoadedGame loaded = readDataFile(path);
        if (!loaded.game) {
            state.SkipWithError(loaded.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(loaded.game->openValue());
    }
}
BENCHMARK(LoadStoredSolve)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quintel::solver
