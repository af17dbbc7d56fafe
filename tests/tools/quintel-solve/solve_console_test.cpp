#include "solve_console.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quintel::solver {
namespace {

class SolveConsole : public ::testing::Test {
protected:
    static const SolvedGame& game() {
        static const SolvedGame solved = SolvedGame::solve({3, 2}, {.fixPermanent = true});
        return solved;
    }
    static std::string answer(std::string_view line) { return answerQuestion(game(), line).text; }
    static double number(std::string_view line) { return std::stod(answer(line)); }
    static int set(std::string_view digits) {
        return game().tables().sets().indexOf(countFaceDigits(digits));
    }
};

TEST_F(SolveConsole, AnswersValuesWithDiceInAnyOrder) {
    EXPECT_EQ(number("open"), game().openValue());
    EXPECT_EQ(answer("stage - -"), answer("open"));
    const int call = game().tables().callOfSet(set("13"));
    EXPECT_EQ(number("value 31 21 1"), *game().positionValue(call, set("12"), set("1")));
    EXPECT_EQ(number("value 13 12 1"), number("value 31 21 1"));
    EXPECT_EQ(number("stage 2 2"),
              *game().stageValue(game().tables().callOfSet(set("2")), set("2")));
    // Seventeen significant digits read back the same double.
    EXPECT_EQ(answer("open").size(), std::string("0.").size() + 17);
}

TEST_F(SolveConsole, StrategyNamesEveryThrowAndTheTrustOfEveryCall) {
    const std::string text = answer("strategy - -");
    for (const std::string_view dice : {"11:", "12:", "13:", "22:", "32:", "33:"}) {
        EXPECT_NE(text.find(dice), std::string::npos) << dice;
    }
    const std::size_t trust = text.find("; trust ");
    ASSERT_NE(trust, std::string::npos);
    std::istringstream calls(text.substr(trust + 8));
    int count = 0;
    for (std::string word; calls >> word; ++count) {
        const double chance = std::stod(word.substr(word.find('=') + 1));
        EXPECT_GE(chance, 0.0);
        EXPECT_LE(chance, 1.0);
    }
    EXPECT_EQ(count, game().tables().callCount());
}

TEST_F(SolveConsole, RefusesWhatIsNotAQuestionOfTheGame) {
    EXPECT_EQ(answer("solve"),
              "error: unknown command 'solve'; the commands are open, stage, value, strategy");
    EXPECT_EQ(answer("open now"), "error: open takes no words, got 1 words");
    EXPECT_EQ(answer("stage 4 -"),
              "error: call '4' may hold only the digits 1 to 3 (or '-' for none)");
    EXPECT_EQ(answer("value - 12 -"), "error: call must name one to 2 dice");
    EXPECT_EQ(answer("value 1 1 -"), "error: dice '1' must be 2 digits");
    EXPECT_EQ(answer("value 1 12 3"),
              "error: locked '3' holds dice that are not among the dice '12'");
    EXPECT_EQ(answer("stage - 1"), "error: no position leads to keeping '1' after the opening");
    EXPECT_FALSE(answerQuestion(game(), "").ok);
}

TEST_F(SolveConsole, ExitsWithOneWhenAnyLineIsRefused) {
    std::istringstream good("open\n\nstage - -\n");
    std::ostringstream out;
    EXPECT_EQ(runSolveConsole(game(), good, out), 0);
    EXPECT_EQ(out.str(), answer("open") + "\n" + answer("open") + "\n");
    std::istringstream bad("open\nvalue\n");
    EXPECT_EQ(runSolveConsole(game(), bad, out), 1);
}

} // namespace
} // namespace quintel::solver
