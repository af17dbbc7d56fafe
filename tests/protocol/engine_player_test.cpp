#include "arena.h"
#include "match/protocol.h"
#include "plain_strategy.h"
#include "records/record_book.h"
#include "testing/temp_folder.h"

#include "tests/protocol/test_engine_path.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quintel {
namespace {

using namespace std::chrono_literals;
namespace protocol = match::protocol;

arena::ArenaConfig matchAgainst(const std::string& engine, const TempFolder& folder,
                                RuleOptions options = {}) {
    arena::ArenaConfig config;
    config.games = 12;
    config.seed = 5;
    config.options = options;
    config.human = "honest";
    config.computerName = "engine:" + engine;
    config.dataFolder = folder.path();
    config.moveTime = 500ms;
    return config;
}

std::vector<GameRecord> recordedGames(const TempFolder& folder) {
    RecordBook book(RecordBook::pathIn(folder.path()), false);
    std::vector<GameRecord> games;
    book.forEachNumberedGame(
        [&](std::int64_t id, const GameRecord&) { games.push_back(*book.game(id)); });
    return games;
}

std::vector<std::string> linesOf(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Each fault loses the engine that game: it is told so with "result LOSS", the run plays every
// game, and the refusal names the engine and both lines, in the report and in the history.
TEST(EngineAtTheTable, ARefusedAnswerLosesThatGameAndThePlayGoesOn) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {"malformed", "answered \"perhaps\" to \"respond ", ": expected \"trust\" or \"doubt\""},
        {"illegal-call --at 2", "answered \"call 7\" to \"call ",
         ": \"7\" is no call: one to five digits 1 to 6"},
        {"weak-call", "answered \"call ", " does not beat "},
        {"keep-not-held", "answered \"keep ", " are not among the dice held, "},
        // Late: its answer comes after the next "newgame" was sent, and is passed over.
        {"slow --slow 1500", "gave no answer to \"", "\" within 500 ms"},
    };
    for (const auto& [fault, start, reason] : cases) {
        SCOPED_TRACE(fault);
        TempFolder folder;
        const auto log = folder / "requests.log";
        const arena::ArenaReport report = arena::runArena(
            matchAgainst(kEngine + " --fault " + fault + " --log " + log.string(), folder));
        EXPECT_EQ(report.games, 12);
        EXPECT_TRUE(report.faults.empty()) << report.faults.front();
        ASSERT_EQ(report.refusals.size(), 1U);
        const std::string& refusal = report.refusals.front();
        EXPECT_EQ(refusal.substr(0, 21 + start.size()), "engine 'test-engine' " + start);
        EXPECT_NE(refusal.find(reason), std::string::npos) << refusal;
        const std::string history = folder.read("Arena_0.txt");
        EXPECT_NE(history.find("REFUSED : " + refusal + "\r\n"), std::string::npos);

        // The game given up had no challenge to record; every other game is in the record.
        EXPECT_EQ(recordedGames(folder).size(), 11U);
        const std::vector<std::string> requests = linesOf(log);
        const auto lost = std::find_if(requests.begin(), requests.end(), [](const auto& line) {
            return line.starts_with("result LOSS");
        });
        ASSERT_NE(lost, requests.end());
        EXPECT_EQ(std::count(requests.begin(), requests.end(), "newgame none"), 12);
        EXPECT_EQ(requests.back(), "quit");
    }
}

// It ends on its ninth move: the run stops there with the reason, and what was played is kept.
TEST(EngineAtTheTable, AnEngineThatEndsStopsTheRunAndKeepsWhatWasPlayed) {
    TempFolder folder;
    const arena::ArenaReport report =
        arena::runArena(matchAgainst(kEngine + " --fault die --at 9", folder));
    ASSERT_EQ(report.faults.size(), 1U);
    EXPECT_TRUE(report.faults.front().starts_with(
        "engine 'test-engine' ended (exit status 3) before answering \""))
        << report.faults.front();
    EXPECT_LE(report.games, 9);
    EXPECT_GE(report.games, 2);
    EXPECT_EQ(static_cast<long long>(recordedGames(folder).size()), report.games - 1);
    EXPECT_NE(folder.read("Arena_0.txt").find("REFUSED : " + report.faults.front()),
              std::string::npos);

    TempFolder silent;
    const arena::ArenaReport unstarted = arena::runArena(matchAgainst("exit 4", silent));
    ASSERT_EQ(unstarted.faults.size(), 1U);
    EXPECT_EQ(unstarted.faults.front(),
              "engine 'exit 4' ended (exit status 4) before answering \"quintel 1\"");
    EXPECT_EQ(unstarted.games, 0);
}

// The same strategy played in this process, with no protocol in between.
class PlainPlayer : public match::Player {
public:
    match::Action decide(const match::SeatView& view) override {
        RuleOptions options = view.options;
        const protocol::Request request = protocol::requestFor(view);
        const protocol::Answer answer = testing::plainAnswer(request, options);
        switch (answer.kind) {
        case protocol::AnswerKind::Trust:
            return match::Action::trusting();
        case protocol::AnswerKind::Doubt:
            return match::Action::doubting();
        case protocol::AnswerKind::Keep:
            if (answer.keep.size() < kDiceCount) {
                return match::Action::keeping(answer.keep);
            }
            return match::Action::calling(
                *testing::plainAnswer({.kind = protocol::RequestKind::Call,
                                       .call = view.lastCall,
                                       .dice = *view.dice},
                                      options)
                     .call);
        case protocol::AnswerKind::Call:
        case protocol::AnswerKind::Ok:
            break;
        }
        return match::Action::calling(*answer.call);
    }
};

GameRecord withoutTimesAndOpponent(GameRecord game) {
    game.started.clear();
    game.ended.clear();
    game.opponent.clear();
    return game;
}

// Through the protocol, a match keeps every byte of the history and the profile and every game
// of the record that the same play keeps in this process.
TEST(EngineAtTheTable, AWholeMatchLosesNothingOfTheHistoryAndTheRecord) {
    for (const RuleOptions options : {RuleOptions{}, RuleOptions{true, true}}) {
        TempFolder throughEngine;
        TempFolder inProcess;
        arena::ArenaConfig config = matchAgainst(kEngine, throughEngine, options);
        config.games = 40;
        const arena::ArenaReport engineReport = arena::runArena(config);
        PlainPlayer plain;
        config.computerName = "classic";
        config.computer = &plain;
        config.dataFolder = inProcess.path();
        const arena::ArenaReport plainReport = arena::runArena(config);

        EXPECT_TRUE(engineReport.faults.empty() && engineReport.refusals.empty());
        EXPECT_EQ(engineReport.humanWins, plainReport.humanWins);
        EXPECT_EQ(engineReport.calls, plainReport.calls);
        EXPECT_EQ(throughEngine.names(), inProcess.names());
        for (const std::string_view file : {"Arena_0.txt", "ArenaProfile.txt"}) {
            EXPECT_EQ(throughEngine.read(file), inProcess.read(file)) << file;
        }
        const std::vector<GameRecord> engineGames = recordedGames(throughEngine);
        const std::vector<GameRecord> plainGames = recordedGames(inProcess);
        ASSERT_EQ(engineGames.size(), 40U);
        ASSERT_EQ(plainGames.size(), 40U);
        for (std::size_t i = 0; i < engineGames.size(); ++i) {
            EXPECT_EQ(engineGames[i].opponent, "engine");
            EXPECT_EQ(withoutTimesAndOpponent(engineGames[i]),
                      withoutTimesAndOpponent(plainGames[i]))
                << "game " << i;
        }
    }
}

} // namespace
} // namespace quintel
