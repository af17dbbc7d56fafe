// The engine's class counting against the same answers found by throwing every throw.
#include "opponent/engine/engine.h"
#include "testing/engine_reference.h"

#include <benchmark/benchmark.h>

namespace quintel {
namespace {

const Form1 engine;

constexpr std::string_view kEmptyHold;
constexpr std::string_view kFiveDiceCall = "65432";
constexpr std::string_view kPartialCall = "66";
constexpr std::string_view kTypicalHold = "55";
constexpr std::string_view kTypicalCall = "33221";
constexpr std::string_view kSearchCall = "55432";
constexpr std::string_view kSearchDice = "25345";

// A benchmark whose answer disagrees with enumeration measures nothing worth knowing.
template <class Answer> void run(benchmark::State& state, Answer answer, Chance expected) {
    if (answer() != expected) {
        state.SkipWithError("answer differs from enumeration");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(answer());
    }
}

void Prob1EmptyHoldClasses(benchmark::State& state) {
    run(
        state, [] { return engine.Prob1(kEmptyHold, kFiveDiceCall); }, Chance{7056});
}

void Prob1EmptyHoldEnumeration(benchmark::State& state) {
    run(
        state, [] { return reference::enumeratedProb1(kEmptyHold, kFiveDiceCall); }, Chance{7056});
}

void Prob2EmptyHoldClasses(benchmark::State& state) {
    run(
        state, [] { return engine.Prob2(kEmptyHold, kPartialCall); },
        reference::enumeratedProb2(kEmptyHold, kPartialCall));
}

void Prob2EmptyHoldEnumeration(benchmark::State& state) {
    run(
        state, [] { return reference::enumeratedProb2(kEmptyHold, kPartialCall); },
        engine.Prob2(kEmptyHold, kPartialCall));
}

void BeatChanceClasses(benchmark::State& state) {
    run(
        state, [] { return engine.beatChance(kTypicalHold, kTypicalCall); },
        reference::enumeratedBeat(kTypicalHold, kTypicalCall));
}

void BeatChanceEnumeration(benchmark::State& state) {
    run(
        state, [] { return reference::enumeratedBeat(kTypicalHold, kTypicalCall); },
        engine.beatChance(kTypicalHold, kTypicalCall));
}

// Both options off and every die of the dice in the call: all thirty holds are scored.
HoldChoice searchByClasses() {
    return engine.searchHold(kSearchCall, kSearchDice, "", false, EngineOptions{});
}

HoldChoice searchByEnumeration() {
    return reference::enumeratedSearch(kSearchCall, kSearchDice, "", EngineOptions{});
}

void SearchClasses(benchmark::State& state) {
    if (arrangeDigits(searchByClasses().hold) != arrangeDigits(searchByEnumeration().hold)) {
        state.SkipWithError("hold differs from enumeration");
        return;
    }
    run(
        state, [] { return searchByClasses().chance; }, searchByEnumeration().chance);
}

void SearchEnumeration(benchmark::State& state) {
    run(
        state, [] { return searchByEnumeration().chance; }, searchByClasses().chance);
}

BENCHMARK(Prob1EmptyHoldClasses)->Unit(benchmark::kMicrosecond);
BENCHMARK(Prob1EmptyHoldEnumeration)->Unit(benchmark::kMicrosecond);
BENCHMARK(Prob2EmptyHoldClasses)->Unit(benchmark::kMicrosecond);
BENCHMARK(Prob2EmptyHoldEnumeration)->Unit(benchmark::kMicrosecond);
BENCHMARK(BeatChanceClasses)->Unit(benchmark::kMicrosecond);
BENCHMARK(BeatChanceEnumeration)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchClasses)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchEnumeration)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintel
