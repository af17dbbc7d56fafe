#include "records/game_review.h"

#include <gtest/gtest.h>

#include <vector>

namespace quintel {
namespace {

// The player calls a 2, the computer keeps nothing, throws and calls 666, the player keeps 66,
// throws three dice and calls 6665, and the computer does not trust it.
GameRecord threeCalls() {
    GameRecord game;
    game.player = "Ann";
    game.calls = {{Seat::Human, "2", ""}, {Seat::Computer, "666", ""}, {Seat::Human, "6665", "66"}};
    game.thrownBeforeCall = {"24613", "66621", "652"};
    game.historyLines = {{1, "COMPUTER AI : Fixstring : \tCallstring : 2"},
                         {1, "Exact Dices : 2\r\n"},
                         {3, "Win Prob : 0.25\r\n"},
                         {3, "Win Prob After Profile : 0.2\r\n"}};
    game.outcome = {Seat::Computer, Seat::Computer, "6665", "66652"};
    return game;
}

TEST(GameReviewSteps, EachCallInOrderWithItsDiceAndTheComputersLinesThenTheEnd) {
    const std::vector<ReviewStep> steps = reviewSteps(threeCalls());
    ASSERT_EQ(steps.size(), 4u);

    EXPECT_EQ(steps[0].heading, "Call 1 of 3, yours");
    EXPECT_EQ(steps[0].call, "2");
    EXPECT_EQ(steps[0].thrown, "24613");
    EXPECT_EQ(steps[0].account, "You threw 24613 and called 2.");
    EXPECT_EQ(steps[0].judgement,
              (std::vector<std::string>{"COMPUTER AI : Fixstring : \tCallstring : 2",
                                        "Exact Dices : 2"}));

    EXPECT_EQ(steps[1].seat, Seat::Computer);
    EXPECT_EQ(steps[1].heading, "Call 2 of 3, the computer's");
    EXPECT_EQ(steps[1].account, "The computer threw 66621 and called 666.");
    EXPECT_TRUE(steps[1].judgement.empty());

    EXPECT_EQ(steps[2].kept, "66");
    EXPECT_EQ(steps[2].account, "You kept 66, threw 652 and called 6665.");
    EXPECT_EQ(steps[2].judgement,
              (std::vector<std::string>{"Win Prob : 0.25", "Win Prob After Profile : 0.2"}));

    EXPECT_EQ(steps[3].kind, ReviewStep::Kind::End);
    EXPECT_EQ(steps[3].revealed, "66652");
    EXPECT_EQ(steps[3].account, "The computer did not trust your call 6665. The dice were 66652: "
                                "the call did not hold, and the computer won.");
}

TEST(GameReviewSteps, TheEndOfAChallengeThePlayerLostSaysTheCallHeld) {
    GameRecord game = threeCalls();
    game.calls.pop_back();
    game.outcome = {Seat::Human, Seat::Computer, "666", "66621"};
    const std::vector<ReviewStep> steps = reviewSteps(game);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[2].account, "You did not trust the computer's call 666. The dice were 66621: "
                                "the call held, and the computer won.");
    EXPECT_EQ(steps[2].decision, (PlayerDecision{PlayerDecision::Kind::Challenge, 1}));
}

TEST(GameReviewSteps, ACallAtOnceKeepsEveryDieTakenOverWhateverStayedFixed) {
    GameRecord game = threeCalls();
    // The player calls at once on the computer's dice; the computer's fixed 66 stay fixed.
    game.calls[1].fixed = "66";
    game.calls[2].fixed = "66";
    game.thrownBeforeCall[1] = "621";
    game.thrownBeforeCall[2] = "";
    const std::vector<ReviewStep> steps = reviewSteps(game);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[1].account, "The computer kept 66, threw 621 and called 666.");
    EXPECT_EQ(steps[2].kept, "66621");
    EXPECT_EQ(steps[2].thrown, "");
    EXPECT_EQ(steps[2].account, "You threw no dice and called 6665.");
    EXPECT_EQ(diceAfterCall(game, 2), "66621");
    EXPECT_EQ(diceAfterCall(game, 0), "24613");
}

TEST(GameReviewSteps, AGameKeptWithoutItsReviewFactsStillStepsThroughItsCalls) {
    GameRecord game = threeCalls();
    game.thrownBeforeCall.clear();
    game.historyLines.clear();
    const std::vector<ReviewStep> steps = reviewSteps(game);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[2].account, "You kept 66, threw no dice and called 6665.");
    EXPECT_TRUE(steps[0].judgement.empty());
}

// Answers with the number of the call, and notes what it was asked.
class CountingAppraiser : public DecisionAppraiser {
public:
    std::optional<SolvedChances> appraise(const GameRecord&,
                                          const PlayerDecision& decision) const override {
        asked.push_back(decision);
        return SolvedChances{0.1 * static_cast<double>(decision.call), 0.9, std::nullopt};
    }
    mutable std::vector<PlayerDecision> asked;
};

TEST(GameReviewSteps, OnlyThePlayersDecisionsAreWeighedAgainstTheSolvedGame) {
    CountingAppraiser appraiser;
    const std::vector<ReviewStep> steps = reviewSteps(threeCalls(), &appraiser);
    EXPECT_EQ(appraiser.asked, (std::vector<PlayerDecision>{{PlayerDecision::Kind::Call, 0},
                                                            {PlayerDecision::Kind::Call, 2}}));
    ASSERT_TRUE(steps[2].solved.has_value());
    EXPECT_DOUBLE_EQ(steps[2].solved->chosen, 0.2);
    EXPECT_FALSE(steps[1].solved.has_value());
    EXPECT_FALSE(steps[3].solved.has_value()) << "the computer challenged: no decision of yours";
}

TEST(GameReviewStepping, GoesForwardAndBackWithinTheGame) {
    GameReview review(threeCalls());
    EXPECT_TRUE(review.atFirst());
    EXPECT_FALSE(review.previous());
    std::vector<std::string> headings{review.step().heading};
    while (review.next()) {
        headings.push_back(review.step().heading);
    }
    EXPECT_EQ(headings,
              (std::vector<std::string>{"Call 1 of 3, yours", "Call 2 of 3, the computer's",
                                        "Call 3 of 3, yours", "The end"}));
    EXPECT_TRUE(review.atLast());
    EXPECT_FALSE(review.next());
    EXPECT_TRUE(review.previous());
    EXPECT_EQ(review.position(), 2u);
    review.first();
    EXPECT_EQ(review.position(), 0u);
    review.last();
    EXPECT_EQ(review.step().kind, ReviewStep::Kind::End);
}

} // namespace
} // namespace quintel
