#include "app/solved_appraiser.h"

#include "app/computer_seats.h"
#include "opponent/coach_figures.h"
#include "solve_console.h"
#include "testing/solved_data.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace quintel {
namespace {

std::string consoleAnswer(const solver::SolvedGame& game, const std::string& question) {
    const solver::SolveAnswer answer = solver::answerQuestion(game, question);
    EXPECT_TRUE(answer.ok) << question << ": " << answer.text;
    return answer.text;
}

// The chance of trust the console's strategy gives `call` ("... trust 1=0.5 11=0.25 ...").
double trustOf(const std::string& strategy, const std::string& call) {
    std::istringstream words(strategy.substr(strategy.rfind("trust")));
    for (std::string word; words >> word;) {
        if (word.starts_with(call + "=")) {
            return std::stod(word.substr(call.size() + 1));
        }
    }
    ADD_FAILURE() << "no trust of " << call;
    return 0;
}

// The player threw 65432 and called 432; the computer kept 432, threw 11 and called 11432; the
// player did not trust it.
GameRecord recordedGame() {
    GameRecord game;
    game.opponent = "expert";
    game.calls = {{Seat::Human, "432", ""}, {Seat::Computer, "11432", "432"}};
    game.thrownBeforeCall = {"65432", "11"};
    return game;
}

class SolvedAppraiserTest : public ::testing::Test {
protected:
    ComputerSeats seats{QUINTEL_SOLVED_DATA};
    SolvedAppraiser appraiser{seats};
    std::shared_ptr<const solver::SolvedGame> solved;

    void SetUp() override {
        std::string problem;
        solved = seats.solvedGame({}, problem);
        ASSERT_TRUE(solved) << problem;
    }
};

// Calling 432 on 65432 at the opening wins at once when challenged, and when trusted leaves the
// computer the position (432, 65432): the console's figures give the chance independently.
TEST_F(SolvedAppraiserTest, ACallIsWeighedAsTheConsoleWeighsIt) {
    const auto chances = appraiser.appraise(recordedGame(), {PlayerDecision::Kind::Call, 0});
    ASSERT_TRUE(chances);
    const double trust = trustOf(consoleAnswer(*solved, "strategy - -"), "432");
    const double computerAfterTrust = std::stod(consoleAnswer(*solved, "value 432 65432 -"));
    EXPECT_NEAR(chances->chosen, (1 - trust) + trust * (1 - computerAfterTrust), 1e-12);
    EXPECT_GE(chances->best, chances->chosen);
    const ExpertPolicy policy(solved);
    const int hand = policy.setOf(countFaceDigits("65432"));
    double best = 0;
    for (int call = 0; call < policy.tables().callCount(); ++call) {
        best = std::max(best, callChance(policy, -1, policy.setOf({}), hand, call, true));
    }
    EXPECT_NEAR(chances->best, best, 1e-12);
}

TEST_F(SolvedAppraiserTest, ANotTrustIsWeighedAgainstTrusting) {
    const auto chances = appraiser.appraise(recordedGame(), {PlayerDecision::Kind::Challenge, 1});
    ASSERT_TRUE(chances);
    const ExpertPolicy policy(solved);
    const AnswerChances answer = answerChances(policy, policy.callOf(countFaceDigits("432")),
                                               policy.setOf(countFaceDigits("432")),
                                               policy.callOf(countFaceDigits("11432")));
    EXPECT_DOUBLE_EQ(chances->chosen, answer.notTrust);
    EXPECT_DOUBLE_EQ(chances->best, std::max(answer.trust, answer.notTrust));
    EXPECT_GT(chances->chosen, 0.0);
}

// A game kept before the record knew the dice of each call cannot be weighed; nor can a
// decision the game does not have.
TEST_F(SolvedAppraiserTest, WeighsNothingItCannotPlace) {
    GameRecord old = recordedGame();
    old.thrownBeforeCall.clear();
    EXPECT_FALSE(appraiser.appraise(old, {PlayerDecision::Kind::Call, 0}));
    EXPECT_FALSE(appraiser.appraise(recordedGame(), {PlayerDecision::Kind::Call, 2}));
    EXPECT_FALSE(appraiser.appraise(recordedGame(), {PlayerDecision::Kind::Challenge, 0}));
}

} // namespace
} // namespace quintel
