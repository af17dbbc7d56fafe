// Both computers' whole turns side by side: the classic computer's (judging, hold search, throw
// and call) and the Expert's (its chance of trust, its position's choice, the throw and the call
// drawn from the stage's strategy); the loading of the Expert's solved game at sign-in; and
// complete self-play games.
#include "app/computer_seats.h"
#include "app/game.h"
#include "arena.h"
#include "match/match.h"
#include "model/rule_options.h"
#include "opponent/classic_computer.h"
#include "opponent/expert_computer.h"
#include "testing/scripted_message_boxes.h"
#include "testing/solved_data.h"
#include "testing/temp_folder.h"

#include <benchmark/benchmark.h>

#include <array>
#include <stdexcept>
#include <string>

namespace quintel {
namespace {

struct Scenario {
    const char* dice; // the player's dice
    const char* fix;  // the player's fixed dice, kept at a throw
    const char* call; // the player's call
};

// 0: a call that is not among the dice, 1: one that is, so the hold search runs too.
constexpr std::array<Scenario, 2> kScenarios{
    Scenario{"55336", "5533", "55332"},
    Scenario{"66543", "", "665"},
};

// Opening calls, which the Expert answers in the opening stage, the largest (252 throws, 461
// calls).
constexpr std::array<Scenario, 2> kOpenings{
    Scenario{"66543", "", "665"},
    Scenario{"55336", "", "55332"},
};

// A table signed in; each turn starts from the player's call of a scenario.
class BenchTable {
public:
    BenchTable() : game_(folder_.path(), messages_, random_) {
        game_.start();
        game_.formWelcome.txtName.caption = "Bench";
        game_.formWelcome.btnOK_Click();
        game_.formStart.Unload();
    }

    Game& game() { return game_; }
    RandomSource& random() { return random_; }

    // The table as the player's call left it, the computer to answer. The opening's call is the
    // first of a game, any other follows a call the player trusted.
    void playerCalled(const Scenario& scenario, bool opening) {
        match::Match::Position position;
        position.phase = match::Phase::Answer;
        position.toMove = Seat::Computer;
        position.dice = *match::Dice::fromDigits(scenario.dice);
        position.lastCall = match::Call::fromDigits(scenario.call);
        position.fixed = *match::Kept::fromDigits(scenario.fix);
        const match::CallRecord made{
            Seat::Human, *position.lastCall, position.fixed, opening || !position.fixed.empty(),
            "",          position.dice};
        if (!opening) {
            position.calls.push_back(
                {Seat::Computer, *match::Call::fromDigits("2"), {}, true, "", position.dice});
        }
        position.calls.push_back(made);
        game_.match.setPosition(position);
    }

    // The computer's whole turn: its answer, and when it trusts, its keep and its call.
    void computerTurn(match::Player& computer) {
        match::Match& table = game_.match;
        while (table.inPlay() && table.toMove() == Seat::Computer) {
            if (table.apply(computer.decide(table.viewFor(Seat::Computer)))) {
                throw std::logic_error("the computer broke a rule");
            }
        }
    }

private:
    TempFolder folder_;
    ScriptedMessageBoxes messages_;
    RandomSource random_{1};
    Game game_;
};

void BM_ComputerTurn(benchmark::State& bench) {
    BenchTable table;
    // The profile stays empty so that every turn judges alike.
    ClassicComputer computer(table.random(), table.game(), nullptr);
    const Scenario& scenario = kScenarios[static_cast<std::size_t>(bench.range(0))];
    for (auto _ : bench) {
        table.playerCalled(scenario, false);
        table.computerTurn(computer);
        benchmark::DoNotOptimize(table.game().match.lastCall());
    }
    if (computer.statistics().challenges != 0) {
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
    BenchTable table;
    ExpertComputer expert(solved, table.random(), table.game());
    const Scenario& scenario = kOpenings[static_cast<std::size_t>(bench.range(0))];
    long long answered = 0;
    for (auto _ : bench) {
        table.playerCalled(scenario, true);
        table.computerTurn(expert);
        answered += table.game().match.phase() == match::Phase::Answer ? 1 : 0;
        benchmark::DoNotOptimize(table.game().match.lastCall());
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

// Complete games of a script against a computer, through the table's rules or through the
// screens: argument 0 is the options, 1 the computer (0 classic, 1 expert), 2 the path (0 the
// table, 1 the screens).
void BM_MatchGames(benchmark::State& bench) {
    arena::ArenaConfig config;
    config.games = 500;
    config.options = {.fixAny = (bench.range(0) & 1) != 0,
                      .fixPermanent = (bench.range(0) & 2) != 0};
    config.computerName = bench.range(1) == 0 ? "classic" : "expert";
    config.solvedFolder = QUINTEL_SOLVED_DATA;
    config.throughScreens = bench.range(2) != 0;
    if (config.computerName == "expert" && !testing::storedSolve(config.options)) {
        bench.SkipWithError("no stored solve of these options");
        return;
    }
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
    bench.SetLabel(std::string(optionWords(config.options)) + ", " + config.computerName +
                   (config.throughScreens ? ", through the screens" : ", through the table"));
}
BENCHMARK(BM_MatchGames)
    ->ArgsProduct({{0, 3}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace quintel
