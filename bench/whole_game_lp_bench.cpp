// Time to solve the dice game on few faces and dice: whole in one program, and cut where the dice
// are handed over.
#include "testing/whole_game_lp.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace quintel::wholegame {
namespace {

constexpr double kTolerance = 1e-9;
constexpr RuleOptions kNone{false, false};
constexpr RuleOptions kAny{true, false};
constexpr RuleOptions kPermanent{false, true};
constexpr RuleOptions kBoth{true, true};

// A value that the plans found do not prove is no answer worth timing.
void WholeOpening(benchmark::State& state, Variant variant, RuleOptions options) {
    GameSolution solution = solveOpening(variant, options);
    if (std::abs(solution.guaranteed - solution.value) > kTolerance ||
        std::abs(solution.conceded - solution.value) > kTolerance) {
        state.SkipWithError("the plans found do not prove the value");
        return;
    }
    for (auto _ : state) {
        solution = solveOpening(variant, options);
        benchmark::DoNotOptimize(solution.value);
    }
    state.counters["value"] = solution.value;
    state.counters["sequences"] = solution.size.sequences[0] + solution.size.sequences[1];
    state.counters["rows"] = solution.size.lp.rows;
    state.counters["columns"] = solution.size.lp.columns;
    state.counters["nonzeros"] = static_cast<double>(solution.size.lp.nonzeros);
}

// The cut game's answer must not depend on the order its trees are written in.
void HandOverOpening(benchmark::State& state, Variant variant, RuleOptions options) {
    const double shuffled =
        HandOverSolver(variant, options, Arithmetic::Floating, {7U}).openerValue();
    double value = HandOverSolver(variant, options).openerValue();
    if (std::abs(value - shuffled) > kTolerance) {
        state.SkipWithError("the value changes with the order of the trees");
        return;
    }
    std::size_t positions = 0;
    for (auto _ : state) {
        HandOverSolver solver(variant, options);
        value = solver.openerValue();
        positions = solver.positionsSolved();
        benchmark::DoNotOptimize(value);
    }
    state.counters["value"] = value;
    state.counters["positions"] = static_cast<double>(positions);
}

BENCHMARK_CAPTURE(WholeOpening, OneDieFiveFaces_none, Variant{5, 1}, kNone)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeOpening, TwoDiceTwoFaces_none, Variant{2, 2}, kNone)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeOpening, TwoDiceTwoFaces_any, Variant{2, 2}, kAny)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeOpening, TwoDiceTwoFaces_perm, Variant{2, 2}, kPermanent)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeOpening, TwoDiceTwoFaces_both, Variant{2, 2}, kBoth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HandOverOpening, TwoDiceThreeFaces_none, Variant{3, 2}, kNone)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HandOverOpening, TwoDiceThreeFaces_both, Variant{3, 2}, kBoth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HandOverOpening, ThreeDiceTwoFaces_none, Variant{2, 3}, kNone)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HandOverOpening, ThreeDiceTwoFaces_both, Variant{2, 3}, kBoth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HandOverOpening, ThreeDiceThreeFaces_none, Variant{3, 3}, kNone)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HandOverOpening, ThreeDiceThreeFaces_both, Variant{3, 3}, kBoth)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quintel::wholegame
