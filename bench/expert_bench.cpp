// The Expert's whole turn (its chance of trust, its position's choice, the throw and the call
// drawn from the stage's strategy), beside the classic computer's in computer_bench, and the
// loading of its solved game at sign-in.
#include "app/computer_seats.h"
#include "app/game.h"
#include "opponent/expert_opponent.h"
#include "solver/data_file.h"
#include "testing/scripted_message_boxes.h"
#include "testing/solved_data.h"
#include "testing/temp_folder.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace quintel {
namespace {

struct Scenario {
    const char* dice; // the player's dice
    const char* call; // the player's call as the dialog hands it over
    std::array<int, 6> callDice;
    int callLevel;
};

// The opening call, answered in the opening stage, the largest (252 throws, 461 calls).
constexpr std::array<Scenario, 2> kScenarios{
    Scenario{"66543", "66500", {6, 6, 5, 0, 0, 0}, 11},
    Scenario{"55336", "55332", {5, 5, 3, 3, 2, 0}, 21},
};

void BM_ExpertTurn(benchmark::State& bench) {
    const auto solved = testing::storedSolve({});
    if (!solved) {
        bench.SkipWithError("no stored solve of the options none");
        return;
    }
    const Scenario& scenario = kScenarios[static_cast<std::size_t>(bench.range(0))];
    TempFolder folder;
    ScriptedMessageBoxes messages;
    RandomSource random(1);
    Game game(folder.path(), messages, random);
    ExpertOpponent expert(solved);
    game.start();
    game.formWelcome.txtName.caption = "Bench";
    game.formWelcome.btnOK_Click();
    game.computer = &expert;

    GameState& state = game.state;
    long long answered = 0;
    for (auto _ : bench) {
        // The table as the player's opening call left it.
        state.ProfileCount.fill(0);
        state.ProfileScore.fill(0);
        state.CallDice = scenario.callDice;
        state.CallLevel = scenario.callLevel;
        state.LastCallDice = scenario.callDice;
        state.LastCallLevel = scenario.callLevel;
        state.FixDice.fill(0);
        state.DiceRolled = false;
        state.CurrentPlayer = 1;
        game.formStart.functStart();
        game.formStart.functCall();
        game.formStart.Text1.caption.clear();
        game.formStart.Text2.caption.clear();
        game.formCall.CallString = scenario.call;
        game.formCall.DiceString = scenario.dice;
        game.formCall.FixString.clear();
        messages.answers.clear();
        messages.answer(MessageAnswer::Ok);
        messages.answer(MessageAnswer::Ok);
        messages.answer(MessageAnswer::Yes);
        expert.Computer_AI(game);
        answered += game.formStart.Trust.enabled ? 1 : 0;
        benchmark::DoNotOptimize(state.LastCallDice);
    }
    bench.counters["answered"] = static_cast<double>(answered);
}
BENCHMARK(BM_ExpertTurn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a sign-in with the Expert waits for: reading, checking and unpacking the data file and
// rebuilding the position values.
void BM_ExpertLoad(benchmark::State& bench) {
    if (!testing::storedSolve({})) {
        bench.SkipWithError("no stored solve of the options none");
        return;
    }
    for (auto _ : bench) {
        ComputerSeats seats(QUINTEL_SOLVED_DATA);
        std::string problem;
        const auto solved = seats.solvedGame({}, problem);
        if (!solved) {
            bench.SkipWithError(problem.c_str());
            break;
        }
        benchmark::DoNotOptimize(solved->openValue());
    }
}
BENCHMARK(BM_ExpertLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace quintel
