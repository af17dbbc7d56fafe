// A decision asked of an outside engine over the engine protocol: the request written to its
// pipe, the plain test engine's answer read back and checked, the action returned. Beside it the
// same decision of the classic computer in this process, for the ratio.
#include "match/match.h"
#include "opponent/classic_computer.h"
#include "opponent/engine_player.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace quintel {
namespace {

// The computer to answer the player's opening call of one two, which the test engine trusts.
match::SeatView answeringView() {
    static RandomSource random{1};
    static match::Match table({}, random);
    table.startGame(Seat::Human);
    table.apply(match::Action::calling(*match::Call::fromDigits("2")));
    return table.viewFor(Seat::Computer);
}

void BM_EngineRoundTrip(benchmark::State& state) {
    EnginePlayer engine(QUINTEL_TEST_ENGINE, std::chrono::milliseconds(5000));
    if (!engine.startProblem().empty()) {
        state.SkipWithError(engine.startProblem().c_str());
        return;
    }
    engine.gameStarted(Seat::Computer, {});
    const match::SeatView view = answeringView();
    for (auto _ : state) {
        const match::Action action = engine.decide(view);
        if (action != match::Action::trusting()) {
            state.SkipWithError("the engine did not answer with trust");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EngineRoundTrip)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ClassicComputerAnswers(benchmark::State& state) {
    RandomSource random{2};
    match::NoNotes notes;
    ClassicComputer computer(random, notes, nullptr);
    const match::SeatView view = answeringView();
    for (auto _ : state) {
        const match::Action action = computer.decide(view);
        if (action.kind != match::ActionKind::Trust && action.kind != match::ActionKind::Doubt) {
            state.SkipWithError("the computer did not answer the call");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ClassicComputerAnswers)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
} // namespace quintel
