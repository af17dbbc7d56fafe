#include "app/computer_seats.h"
#include "opponent/classic_opponent.h"
#include "opponent/coach_figures.h"
#include "opponent/master_computer.h"
#include "records/record_book.h"
#include "solve_console.h"
#include "solver/best_response.h"
#include "testing/solved_data.h"
#include "testing/table_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintel::testing {
namespace {

double consoleFigure(const solver::SolvedGame& game, const std::string& question) {
    const solver::SolveAnswer answer = solver::answerQuestion(game, question);
    EXPECT_TRUE(answer.ok) << question << ": " << answer.text;
    return std::stod(answer.text);
}

// The player against a scripted computer, with the solved games of the build at hand.
class CoachTest : public TableTest {
protected:
    ComputerSeats seats{QUINTEL_SOLVED_DATA};

    void SetUp() override {
        solved = storedSolve({});
        if (!solved) {
            GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
        }
        game.seats = &seats;
    }

    void signInWithTheScriptedComputer() {
        signIn();
        // The sign-in seated the classic computer; these tests script the computer's moves.
        game.computer = &computer;
    }

    std::shared_ptr<const solver::SolvedGame> solved;
};

// The checks that wait for a best response's pass.
using CoachLong = CoachTest;

TEST_F(CoachTest, IsShownOnlyWhenAskedForAndOffWhenAStayStarts) {
    signInWithTheScriptedComputer();
    EXPECT_FALSE(table.coachShown);
    const std::string status = table.lblStatus.caption;
    EXPECT_TRUE(table.pressKey("A"));
    EXPECT_TRUE(table.coachShown);
    EXPECT_TRUE(table.lblStatus.caption.starts_with(status + "\nbest call "))
        << table.lblStatus.caption;
    // A scripted computer is none of the game's: the coach has only the equilibrium for it.
    EXPECT_NE(table.lblStatus.tooltip.find("both seats playing its equilibrium"),
              std::string::npos);
    EXPECT_NE(table.lblStatus.tooltip.find("against this computer the best action may differ"),
              std::string::npos);
    table.toggleCoach();
    EXPECT_EQ(table.lblStatus.caption, status);
    EXPECT_EQ(table.lblStatus.tooltip, "");

    table.toggleCoach();
    table.Unload();
    game.history.close();
    signInWithTheScriptedComputer();
    EXPECT_FALSE(table.coachShown) << "a new stay starts without the coach";
    EXPECT_EQ(table.lblStatus.caption.find('\n'), std::string::npos);
}

TEST_F(CoachTest, ItsChancesAreTheSolvedGamesAsTheQueryConsoleGivesThem) {
    signInWithTheScriptedComputer();
    table.toggleCoach();
    // The computer kept 66 and called 6655 on 66554.
    reachAnswer("66554", "6655", "66");
    const ExpertPolicy policy(solved);
    const int computerCall = policy.callOf(countFaceDigits("6655"));
    const AnswerChances answer = answerChances(policy, policy.callOf(countFaceDigits("2")),
                                               policy.setOf(countFaceDigits("66")), computerCall);
    EXPECT_NE(table.lblStatus.caption.find(
                  "\nTrust " + std::to_string(std::lround(answer.trust * 100)) +
                  " %, do not trust " + std::to_string(std::lround(answer.notTrust * 100)) + " %"),
              std::string::npos)
        << table.lblStatus.caption;

    table.Trust.click();
    ASSERT_TRUE(table.Call1.enabled);
    const PositionChances position =
        positionChances(policy, computerCall, policy.setOf(countFaceDigits("66554")),
                        policy.setOf(countFaceDigits("66")));
    ASSERT_FALSE(position.keeps.empty());
    double best = position.atOnce;
    for (const KeepChance& keep : position.keeps) {
        const std::string kept = diceDigits(solver::callDigits(policy.counts(keep.kept)));
        EXPECT_NEAR(keep.chance,
                    consoleFigure(*solved, "stage 6655 " + (kept.empty() ? "-" : kept)), 1e-12);
        best = std::max(best, keep.chance);
    }
    // The best action is worth the position's value.
    EXPECT_NEAR(best, consoleFigure(*solved, "value 6655 66554 66"), 1e-12);
    const std::string line =
        table.lblStatus.caption.substr(table.lblStatus.caption.rfind('\n') + 1);
    EXPECT_TRUE(line.starts_with("call at once " +
                                 std::to_string(std::lround(position.atOnce * 100)) + " %, "))
        << line;
    EXPECT_NE(line.find(" and throw "), std::string::npos) << line;
}

// Against the classic computer the figures are the best response's to its play with the
// player's profile, worked out in the background while the equilibrium's stand in, and kept while
// the profile leaves its trust as it was; the hint says whom they are for.
// The best response's whole pass, worked out in the background: a long check, as the Master's is.
TEST_F(CoachLong, AgainstTheClassicComputerItShowsTheBestResponsesChances) {
    signIn();
    // A profile that corrects every win probability the computer judges.
    for (std::size_t bucket = 1; bucket < 10; ++bucket) {
        game.profile.counts[bucket] = 50;
        game.profile.scores[bucket] = 15;
    }
    setDice("66543");
    table.toggleCoach();
    const std::string line = table.lblStatus.caption.substr(table.lblStatus.caption.find('\n') + 1);
    EXPECT_TRUE(line.starts_with("computing… meanwhile the equilibrium's: best call ")) << line;
    EXPECT_NE(table.lblStatus.tooltip.find("being worked out"), std::string::npos);

    const auto figures = game.coachFigures(true).figures;
    ASSERT_TRUE(figures);
    EXPECT_TRUE(table.showWorkedOutCoach()) << "the worked-out figures replace the stand-ins";
    EXPECT_FALSE(table.showWorkedOutCoach());
    const ClassicOpponent classic(game.match.options(), game.profile);
    const solver::BestResponse best(classic, game.match.options());
    const FaceCounts dice = countFaceDigits("66543");
    const solver::CallIndex call = best.openingCall(dice);
    const std::string shown = "best call " + diceDigits(solver::callDigits(call)) + " " +
                              std::to_string(std::lround(best.callValue(call, {}, dice) * 100)) +
                              " %";
    EXPECT_TRUE(table.lblStatus.caption.ends_with("\n" + shown) ||
                table.lblStatus.caption.find("\n" + shown + ", or ") != std::string::npos)
        << table.lblStatus.caption;
    EXPECT_NE(table.lblStatus.tooltip.find("your chance of winning against the Classic computer"),
              std::string::npos);

    // One more call in the profile moves its shares without changing what the computer trusts.
    ++game.profile.counts[5];
    const CoachSource::Figures again = game.coachFigures();
    EXPECT_FALSE(again.standIn);
    EXPECT_EQ(again.figures, figures);
}

TEST_F(CoachTest, ACallAtOnceIsAnsweredOnTheDiceThePlayerHandedOver) {
    signInWithTheScriptedComputer();
    table.toggleCoach();
    setDice("66554");
    // The computer calls 666 at once on the player's 66554, which do not hold it.
    computer.callsAtOnce("66554", "666");
    humanCalls("2");
    const double trust = consoleFigure(*solved, "value 666 66554 -");
    EXPECT_TRUE(
        table.lblStatus.caption.starts_with("AI (Classic) kept its five dice; it calls 666"))
        << table.lblStatus.caption;
    EXPECT_TRUE(table.lblStatus.caption.ends_with(
        "\nTrust " + std::to_string(std::lround(trust * 100)) + " %, do not trust 100 %"))
        << table.lblStatus.caption;
}

TEST_F(CoachTest, TheCallDialogShowsTheChanceOfTheComposedCall) {
    signInWithTheScriptedComputer();
    table.toggleCoach();
    setDice("66543");
    compose("66");
    const ExpertPolicy policy(solved);
    const double chance =
        callChance(policy, -1, policy.setOf(FaceCounts{}), policy.setOf(countFaceDigits("66543")),
                   policy.callOf(countFaceDigits("66")), true);
    EXPECT_TRUE(dialog.lblStatus.caption.ends_with(
        "\nthis call " + std::to_string(std::lround(chance * 100)) + " %"))
        << dialog.lblStatus.caption;
    // The chance of an opening call: what the stage's value is made of, its best is the value.
    const BestCall best = bestCall(policy, -1, policy.setOf(FaceCounts{}),
                                   policy.setOf(countFaceDigits("66543")), true);
    EXPECT_GE(best.chance, chance);
}

TEST_F(CoachTest, AGameWithTheCoachIsMarkedInTheHistoryAndTheRecord) {
    signInWithTheScriptedComputer();
    // The first game without the coach, the second with it for a moment, the third without it.
    for (const bool coached : {false, true, false}) {
        if (coached) {
            table.toggleCoach();
            table.toggleCoach();
        }
        computer.challenges();
        messages.answer(MessageAnswer::Ok);
        messages.answer(MessageAnswer::Ok);
        messages.answer(MessageAnswer::Yes);
        humanCalls("2");
    }
    game.history.close();
    const std::string history = fileBytes(folder.path() / "Ann_0.txt");
    std::size_t marks = 0;
    for (std::size_t at = history.find("Coach used\r\n"); at != std::string::npos;
         at = history.find("Coach used\r\n", at + 1)) {
        ++marks;
    }
    EXPECT_EQ(marks, 1U) << history;
    // The mark follows the second game's logs.
    const std::size_t second = history.find("Ann Call: 2\r\n", history.find("Ann Call: 2\r\n") + 1);
    EXPECT_GT(history.find("Coach used"), second);
    EXPECT_LT(history.find("Coach used"), history.rfind("Ann Call: 2\r\n"));
    std::vector<GameRecord> games;
    RecordBook book(RecordBook::pathIn(folder.path()), false);
    book.forEachGame([&](const GameRecord& one) { games.push_back(one); });
    ASSERT_EQ(games.size(), 3U);
    EXPECT_FALSE(games[0].coachUsed);
    EXPECT_TRUE(games[1].coachUsed);
    EXPECT_FALSE(games[2].coachUsed);
    EXPECT_EQ(games[1].opponent, "classic");
}

// Against the Master the coach adds what the Master believes the player does with its call: the
// chance of trust its model holds. The Master's own figures take a best response's pass.
TEST_F(CoachLong, AgainstTheMasterItSaysWhatTheMasterExpects) {
    signInWithTheScriptedComputer();
    reachAnswer("66543", "665", "66");
    table.toggleCoach();
    EXPECT_EQ(table.lblStatus.caption.find("the Master expects"), std::string::npos);

    MasterComputer master(solved, random, game);
    game.computer = &master;
    table.toggleCoach();
    table.toggleCoach();
    const ExpertPolicy& policy = master.policy();
    const int playerCall = policy.callOf(countFaceDigits("2"));
    const int call = policy.callOf(countFaceDigits("665"));
    const double trust = master.model().trustChances(
        playerCall,
        policy.setOf(countFaceDigits("66")))[static_cast<std::size_t>(call - playerCall - 1)];
    const std::string expected =
        "; the Master expects you to trust it " + std::to_string(std::lround(trust * 100)) + " %";
    EXPECT_TRUE(table.lblStatus.caption.ends_with(expected)) << table.lblStatus.caption;
    game.computer = &computer;
}

} // namespace
} // namespace quintel::testing
