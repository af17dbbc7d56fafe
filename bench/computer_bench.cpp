// Both computers' whole turns side by side: the classic computer's (judging, hold search, throw
// and call) and the Expert's (its chance of trust, its position's choice, the throw and the call
// drawn from the stage's strategy); the loading of the Expert's solved game at sign-in; and
// complete self-play games.
#include "app/computer_seats.h"
#include "app/game.h"
#include "arena.h"
#include "model/rule_options.h"
#include "opponent/computer_player.h"
#include "opponent/expert_opponent.h"
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

// Opening calls, which the Expert answers in the opening stage, the largest (252 throws, 461
// calls).
constexpr std::array<Scenario, 2> kOpenings{
    Scenario{"66543", "", "66500", {6, 6, 5, 0, 0, 0}, 11},
    Scenario{"55336", "", "55332", {5, 5, 3, 3, 2, 0}, 21},
};

// A table signed in, with `computer` in the computer's seat.
class BenchTable {
public:
    explicit BenchTable(ComputerPlayer& computer) : game_(folder_.path(), messages_, random_) {
        game_.start();
        game_.formWelcome.txtName.caption = "Bench";
        game_.formWelcome.btnOK_Click();
        game_.computer = &computer;
    }

    Game& game() { return game_; }

    // The table as the player's call left it, the computer to answer; the profile stays empty so
    // that every turn judges alike. An opening starts a new match first. Every message box of a
    // decided game is answered, and play goes on.
    void playerCalled(const Scenario& scenario, bool opening) {
        GameState& state = game_.state;
        state.ProfileCount.fill(0);
        state.ProfileScore.fill(0);
        state.CallDice = scenario.callDice;
        state.CallLevel = scenario.callLevel;
        state.LastCallDice = scenario.callDice;
        state.LastCallLevel = scenario.callLevel;
        state.CurrentPlayer = 1;
        if (opening) {
            state.FixDice.fill(0);
            state.DiceRolled = false;
            game_.formStart.functStart();
            game_.formStart.functCall();
        }
        game_.formStart.Text1.caption.clear();
        game_.formStart.Text2.caption.clear();
        game_.formCall.CallString = scenario.call;
        game_.formCall.DiceString = scenario.dice;
        game_.formCall.FixString = scenario.fix;
        messages_.clear();
        messages_.answer(MessageAnswer::Ok);
        messages_.answer(MessageAnswer::Ok);
        messages_.answer(MessageAnswer::Yes);
    }

private:
    TempFolder folder_;
    ScriptedMessageBoxes messages_;
    RandomSource random_{1};
    Game game_;
};

void BM_ComputerTurn(benchmark::State& bench) {
    ComputerOpponent opponent;
    BenchTable table(opponent);
    const Scenario& scenario = kScenarios[static_cast<std::size_t>(bench.range(0))];
    for (auto _ : bench) {
        table.playerCalled(scenario, false);
        opponent.Computer_AI(table.game());
        benchmark::DoNotOptimize(table.game().state.LastCallDice);
    }
    if (opponent.statistics().challenges != 0) {
        bench.SkipWithError("the computer challenged: the turn measured is not the whole turn");
    }
}
BENCHMARK(BM_ComputerTurn)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ExpertTurn(benchmark::State& bench) {
    const auto solved = testing::storedSolve({});
    if (!solved) {
        bench.SkipWithError("no stored solve of the options none");
        return;
    }
    ExpertOpponent expert(solved);
    BenchTable table(expert);
    const Scenario& scenario = kOpenings[static_cast<std::size_t>(bench.range(0))];
    long long answered = 0;
    for (auto _ : bench) {
        table.playerCalled(scenario, true);
        expert.Computer_AI(table.game());
        answered += table.game().formStart.Trust.enabled ? 1 : 0;
        benchmark::DoNotOptimize(table.game().state.LastCallDice);
    }
    bench.counters["answered"] = static_cast<double>(answered);
}
BENCHMARK(BM_ExpertTurn)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

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
