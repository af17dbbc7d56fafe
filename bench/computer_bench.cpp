// The computer's whole turn (judging, hold search, throw and call) and complete self-play games.
#include "app/game.h"
#include "arena.h"
#include "model/rule_options.h"
#include "opponent/computer_player.h"
#include "testing/scripted_message_boxes.h"
#include "testing/temp_folder.h"

#include <benchmark/benchmark.h>

#include <string>

namespace quintel {
namespace {

struct Scenario {
    const char* dice; // the player's dice
    const char* fix;  // the player's fixed dice, from the first die on
    const char* call; // the player's call as the dialog hands it over
    std::array<int, 6> callDice;
    int callLevel;
};

// 0: a call that is not among the dice, 1: one that is, so the hold search runs too.
constexpr std::array<Scenario, 2> kScenarios{
    Scenario{"55336", "5533", "55332", {5, 5, 3, 3, 2, 0}, 21},
    Scenario{"66543", "", "66500", {6, 6, 5, 0, 0, 0}, 11},
};

void BM_ComputerTurn(benchmark::State& bench) {
    const Scenario& scenario = kScenarios[static_cast<std::size_t>(bench.range(0))];
    TempFolder folder;
    ScriptedMessageBoxes messages;
    RandomSource random(1);
    Game game(folder.path(), messages, random);
    ComputerOpponent opponent;
    game.computer = &opponent;
    game.start();
    game.formWelcome.txtName.caption = "Bench";
    game.formWelcome.btnOK_Click();

    GameState& state = game.state;
    for (auto _ : bench) {
        // The table as the player's call left it; the profile stays empty so every turn judges
        // alike.
        state.ProfileCount.fill(0);
        state.ProfileScore.fill(0);
        state.CallDice = scenario.callDice;
        state.CallLevel = scenario.callLevel;
        state.LastCallDice = scenario.callDice;
        state.LastCallLevel = scenario.callLevel;
        state.CurrentPlayer = 1;
        game.formStart.Text1.caption.clear();
        game.formStart.Text2.caption.clear();
        game.formCall.CallString = scenario.call;
        game.formCall.DiceString = scenario.dice;
        game.formCall.FixString = scenario.fix;
        opponent.Computer_AI(game);
        benchmark::DoNotOptimize(state.LastCallDice);
    }
    if (opponent.statistics().challenges != 0) {
        bench.SkipWithError("the computer challenged: the turn measured is not the whole turn");
    }
}
BENCHMARK(BM_ComputerTurn)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_SelfPlayGames(benchmark::State& bench) {
    arena::ArenaConfig config;
    config.games = 500;
    config.options = {.fixAny = (bench.range(0) & 1) != 0,
                      .fixPermanent = (bench.range(0) & 2) != 0};
    long long games = 0;
    for (auto _ : bench) {
        ++config.seed;
        const arena::ArenaReport report = arena::runArena(config);
        if (!report.faults.empty()) {
            bench.SkipWithError(report.faults.front().c_str());
            break;
        }
        games += report.games;
    }
    bench.SetItemsProcessed(games);
    bench.SetLabel(std::string(optionWords(config.options)));
}
BENCHMARK(BM_SelfPlayGames)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace quintel
