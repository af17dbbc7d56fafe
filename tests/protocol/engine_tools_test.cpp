#include "testing/temp_folder.h"

#include "tests/protocol/test_engine_path.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace quintel {
namespace {

const std::string kMatch = QUINTEL_MATCH;
const std::string kEnginePlayer = QUINTEL_ENGINE_PLAYER;

struct RunOutput {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs quintel-match with `arguments` (shell words), its output kept.
RunOutput runMatch(const TempFolder& folder, const std::string& arguments) {
    const std::string command = kMatch + " " + arguments + " >" + (folder / "out").string() +
                                " 2>" + (folder / "err").string();
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.read("out"), folder.read("err")};
}

std::string engineSeat(const std::string& command) {
    return "'engine:" + command + "'";
}

// A refused answer is a line on standard error and the run goes on; an engine that ends stops it
// with exit status 1.
TEST(EngineInTheRunner, TellsRefusalsOnStandardErrorAndStopsWhenTheEngineEnds) {
    TempFolder folder;
    const std::string run = "--games 8 --seed 3 --options none --human honest --computer ";
    const RunOutput refused = runMatch(folder, run + engineSeat(kEngine + " --fault malformed"));
    EXPECT_EQ(refused.exitCode, 0);
    EXPECT_NE(refused.out.find("games 8,"), std::string::npos) << refused.out;
    EXPECT_TRUE(refused.err.starts_with(
        "quintel-match: engine 'test-engine' answered \"perhaps\" to \"respond "))
        << refused.err;
    EXPECT_EQ(std::ranges::count(refused.err, '\n'), 1);

    const RunOutput ended = runMatch(folder, run + engineSeat(kEngine + " --fault die --at 3"));
    EXPECT_EQ(ended.exitCode, 1);
    EXPECT_NE(ended.err.find("quintel-match: fault: engine 'test-engine' ended (exit status 3) "
                             "before answering \""),
              std::string::npos)
        << ended.err;
}

// Either seat may be an engine: here the test engine opens every game against the classic
// computer, the Expert and the Master played as engines, through the table and through the screens,
// and every game follows the rules.
TEST(EngineInTheRunner, EnginesPlayBothSeatsAndTheComputersPlayAsEngines) {
    for (const std::string opponent : {"classic", "expert", "master"}) {
        for (const std::string path : {"", " --through-screens"}) {
            SCOPED_TRACE(opponent + path);
            TempFolder folder;
            const std::string log = (folder / "requests.log").string();
            const RunOutput both =
                runMatch(folder, "--games 30 --seed 4 --options both --human " +
                                     engineSeat(kEngine + " --log " + log) + " --computer " +
                                     engineSeat(kEnginePlayer + " --opponent " + opponent) + path);
            EXPECT_EQ(both.exitCode, 0) << both.err;
            EXPECT_EQ(both.err, "");
            EXPECT_NE(both.out.find("games 30,"), std::string::npos) << both.out;
            const std::string requests = folder.read("requests.log");
            std::size_t newGames = 0;
            std::size_t results = 0;
            for (std::size_t at = 0;
                 (at = requests.find("newgame both\n", at)) != std::string::npos; ++at) {
                ++newGames;
            }
            for (std::size_t at = 0; (at = requests.find("\nresult ", at)) != std::string::npos;
                 ++at) {
                ++results;
            }
            EXPECT_EQ(newGames, 30U);
            EXPECT_EQ(results, 30U);
        }
    }
}

// The Master behind the protocol starts from nothing, so its first game is the Expert's from the
// same seed, and then learns the player's seat from what the requests show it.
TEST(EngineInTheRunner, TheMasterAsAnEngineLearnsTheOtherSeat) {
    TempFolder folder;
    std::vector<std::string> games;
    for (const std::string opponent : {"expert", "master"}) {
        const RunOutput run =
            runMatch(folder, "--games 40 --seed 6 --options perm --human bluffer --games-out " +
                                 (folder / opponent).string() + " --computer " +
                                 engineSeat(kEnginePlayer + " --opponent " + opponent));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        games.push_back(folder.read(opponent));
    }
    const std::size_t firstLine = games[0].find('\n');
    ASSERT_NE(firstLine, std::string::npos);
    EXPECT_EQ(games[1].substr(0, firstLine), games[0].substr(0, firstLine));
    EXPECT_NE(games[1], games[0]);
}

} // namespace
} // namespace quintel
