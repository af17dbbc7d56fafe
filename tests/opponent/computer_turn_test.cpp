#include "opponent/classic_computer.h"

#include "model/call_rules.h"
#include "opponent/classic_opponent.h"
#include "solver/response_positions.h"
#include "testing/table_fixture.h"

#include <algorithm>
#include <span>

namespace quintel {
namespace {

using testing::fileBytes;

// A seed whose first five dice are, in some order, `dice`.
std::uint64_t seedThrowing(std::string dice) {
    std::sort(dice.begin(), dice.end());
    for (std::uint64_t seed = 1;; ++seed) {
        RandomSource source(seed);
        std::string thrown;
        for (int i = 0; i < 5; ++i) {
            thrown += static_cast<char>('0' + source.die());
        }
        std::sort(thrown.begin(), thrown.end());
        if (thrown == dice) {
            return seed;
        }
    }
}

// The first five dice of a seed, in the order they are thrown.
std::string firstThrow(std::uint64_t seed) {
    RandomSource source(seed);
    std::string thrown;
    for (int i = 0; i < 5; ++i) {
        thrown += static_cast<char>('0' + source.die());
    }
    return thrown;
}

std::string callOf(std::span<const int> dice) {
    return diceDigits(dice.first(kDiceCount), EmptyPositions::Zero);
}

class ComputerTurnTest : public testing::TableTest {
protected:
    ComputerTurnTest() { game.computer = &opponent; }

    ClassicComputer opponent{random, game, &game.profile};

    // The player has kept `fix` (from the first die on) and thrown, and now holds `dice`; the
    // computer's dice will come from `seed`.
    void playerHolds(std::string_view dice, std::string_view fix, std::uint64_t seed = 1) {
        setDice(dice);
        setFixed(fix, !fix.empty());
        random = RandomSource(seed);
    }

    std::string lastCallPlaces() const { return callOf(game.match.lastCall()->places()); }
    std::string handedDice() const { return game.match.dice().digits(); }

    // What the file holds and will hold once the game is decided.
    std::string history() const {
        return fileBytes(game.history.path()) + std::string(game.history.heldLines());
    }
};

TEST_F(ComputerTurnTest, AnnouncesTwoPairsWithFourDiceWhileThatIsAllowed) {
    signIn();
    const std::uint64_t seed = seedThrowing("66554");
    playerHolds("55336", "5533", seed);
    humanCalls("55332");

    EXPECT_EQ(opponent.statistics().challenges, 0);
    EXPECT_EQ(lastCallPlaces(), "66550");
    EXPECT_EQ(lastCallPlaces(), "66550");
    EXPECT_EQ(handedDice(), firstThrow(seed));
    EXPECT_EQ(callOf(game.match.fixed().places()),
              "00000"); // the call was not among the dice: nothing kept
    EXPECT_EQ(table.Text1.caption, "Ann Call: 55332\r\nAI Call: 6655\r\n");
    EXPECT_EQ(table.Text2.caption, "Ann Fix: 5533\r\nAI Fix: \r\n");
}

TEST_F(ComputerTurnTest, KeepsTheKickerWhenFourDiceWouldNotBeatTheCall) {
    signIn();
    const std::uint64_t seed = seedThrowing("66554");
    playerHolds("66552", "6655", seed);
    humanCalls("66553");

    EXPECT_EQ(lastCallPlaces(), "66554");
    EXPECT_EQ(table.Text1.caption, "Ann Call: 66553\r\nAI Call: 66554\r\n");
}

TEST_F(ComputerTurnTest, HandsTheDiceOverHiddenAndWaitsForTheAnswer) {
    signIn();
    const std::uint64_t seed = seedThrowing("66554");
    playerHolds("55336", "5533", seed);
    humanCalls("55332");

    std::string shown;
    for (const Control& die : table.Dice) {
        shown += die.caption;
    }
    EXPECT_EQ(shown, firstThrow(seed)) << "the dice buttons hold the computer's dice as thrown";
    EXPECT_EQ(buttons(), "Call1 D, Change D, Roll H, XChange H, Trust E, XTrust E");
    EXPECT_TRUE(std::none_of(table.Dice.begin(), table.Dice.end(),
                             [](const Control& die) { return die.visible; }));
    EXPECT_FALSE(table.lblSecond.visible);
    EXPECT_EQ(table.lblSecond.caption, "20");
    EXPECT_FALSE(table.Timer1.enabled);
    EXPECT_EQ(game.match.toMove(), Seat::Human);
    EXPECT_FALSE(game.match.threwThisTurn());
    EXPECT_TRUE(messages.shown.empty()) << ::testing::PrintToString(messages.texts());
}

TEST_F(ComputerTurnTest, WritesItsJudgementAndItsCallToTheHistory) {
    signIn();
    const std::uint64_t seed = seedThrowing("66554");
    playerHolds("55336", "5533", seed);
    humanCalls("55332");

    const std::string expected =
        "COMPUTER AI : Fixstring : 5533\tCallstring : 55332\tCall Up Prob : 0.833333333333333\r\n"
        "Exact Dices : 55336\r\n\r\n"
        "Win Prob : 0.166666666666667\r\n\r\n"
        "Fixstring : \t\r\n"
        "DICE AFTER ROLL (if needed) : " +
        firstThrow(seed) +
        "\r\n\r\n"
        "CALL STRING : 66550\r\n"
        "FIX STRING : 00000\r\n"
        "\r\n\r\n";
    const std::string written = history();
    const std::size_t turn = written.find("COMPUTER AI");
    ASSERT_NE(turn, std::string::npos) << written;
    EXPECT_EQ(written.substr(0, turn), "Ann HISTORY\r\n\r\n\r\n");
    EXPECT_EQ(written.substr(turn), expected);
}

TEST_F(ComputerTurnTest, KeepsItsHiddenDiceOutOfTheFileUntilTheGameIsDecided) {
    signIn();
    playerHolds("55336", "5533", seedThrowing("66554"));
    humanCalls("55332");
    const std::string whileUndecided = fileBytes(game.history.path());
    EXPECT_EQ(whileUndecided.find("DICE AFTER ROLL"), std::string::npos) << whileUndecided;
    const std::string whole = history();
    table.XTrust.click();
    EXPECT_EQ(fileBytes(game.history.path()).substr(0, whole.size()), whole);
}

TEST_F(ComputerTurnTest, CountsEveryJudgedCallInTheProfile) {
    signIn();
    playerHolds("55336", "5533", seedThrowing("66554"));
    humanCalls("55332"); // W = 1/6: bucket 2; the dice 55336 are stronger than the call
    EXPECT_EQ(game.profile.counts[2], 1);
    EXPECT_EQ(game.profile.scores[2], 1);
    EXPECT_EQ(std::count(game.profile.counts.begin(), game.profile.counts.end(), 0), 10);
}

TEST_F(ComputerTurnTest, RaisesTheScoreOfEveryUnderstatedCallUpToTheCounterLimit) {
    signIn();
    // Counters set in memory, whatever their relation: the score is raised all the same.
    game.profile.counts[2] = 3;
    game.profile.scores[2] = 4;
    playerHolds("55336", "5533", seedThrowing("66554"));
    humanCalls("55332"); // W = 1/6: bucket 2, an understated call
    EXPECT_EQ(game.profile.counts[2], 4);
    EXPECT_EQ(game.profile.scores[2], 5);
}

TEST_F(ComputerTurnTest, BothCountersStopAtTheLargestValueAProfileHolds) {
    signIn();
    game.profile.counts[2] = 32767;
    game.profile.scores[2] = 32767;
    playerHolds("55336", "5533", seedThrowing("66554"));
    humanCalls("55332");
    EXPECT_EQ(game.profile.counts[2], 32767);
    EXPECT_EQ(game.profile.scores[2], 32767);
}

TEST_F(ComputerTurnTest, CorrectsTheWinProbabilityWithAFullProfile) {
    signIn();
    // Every earlier call around W = 1/6 understated the dice: such calls are rarely bluffs.
    game.profile.counts[1] = 30;
    game.profile.scores[1] = 30;
    game.profile.counts[2] = 30;
    game.profile.scores[2] = 30;
    playerHolds("55336", "5533", seedThrowing("66554"));
    humanCalls("55332");
    EXPECT_NE(history().find("Win Prob After Profile : 0\r\n\r\n"), std::string::npos) << history();
    // A corrected W of 0 is no call to trust, whatever P is.
    EXPECT_EQ(opponent.statistics().challenges, 1);
    EXPECT_EQ(game.profile.counts[2], 31);
    // The computer as the coach's best response sees it reads the profile as the computer did.
    const solver::CallIndex call = solver::callIndexOf(countFaceDigits("55332"));
    const FaceCounts fix = countFaceDigits("5533");
    EXPECT_FALSE(ClassicOpponent(game.match.options(), game.profile).trusts(call, fix));
    EXPECT_TRUE(ClassicOpponent(game.match.options()).trusts(call, fix));
}

TEST_F(ComputerTurnTest, ChallengingAFalseCallWinsTheGame) {
    signIn();
    playerHolds("66543", "");
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Yes);
    humanCalls("11111"); // nothing beats it, so the computer must not trust it

    ASSERT_GE(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, "AI Not Trust Last Call\r\nCall : 11111\r\nDice : 66543");
    EXPECT_EQ(messages.shown[1].text, "YOU Lose!!");
    EXPECT_EQ(messages.shown[2].text, "Continue ? ");
    EXPECT_EQ(messages.shown[2].buttons, MessageButtons::YesNo);
    EXPECT_EQ(table.Label2.caption, "0");
    EXPECT_EQ(table.Label4.caption, "1");
    EXPECT_EQ(game.tally.played, 1);
    EXPECT_EQ(game.tally.won, 0);
    // Yes: a new match at the same table.
    EXPECT_TRUE(table.shown());
    EXPECT_EQ(lastCall(), "");
    EXPECT_NE(history().find("Ann Call: 11111\r\n\r\nAnn Fix: \r\n\r\n"), std::string::npos);
    EXPECT_EQ(game.lastOutcome, (GameOutcome{Seat::Computer, Seat::Computer, "11111", "66543"}));
}

TEST_F(ComputerTurnTest, ChallengingATrueCallLosesTheGameAndNoEndsPlay) {
    signIn();
    playerHolds("11111", "");
    humanCalls("11111");

    const std::vector<std::string> texts = messages.texts();
    ASSERT_EQ(texts.size(), 4u) << ::testing::PrintToString(texts);
    EXPECT_EQ(texts[1], "YOU WIN!!!");
    EXPECT_EQ(texts[2], "Continue ? ");
    EXPECT_EQ(texts[3], "Play  1 , Win  1");
    EXPECT_EQ(table.Label2.caption, "1");
    EXPECT_EQ(table.Label4.caption, "1");
    EXPECT_EQ(game.tally.played, 0);
    EXPECT_EQ(game.tally.won, 0);
    EXPECT_FALSE(table.shown());
    EXPECT_TRUE(game.formWelcome.shown());
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "AnnProfile.txt"));
    EXPECT_EQ(game.lastOutcome, (GameOutcome{Seat::Computer, Seat::Human, "11111", "11111"}));
}

TEST_F(ComputerTurnTest, BluffsWhenItsOwnDiceDoNotBeatTheCall) {
    signIn();
    playerHolds("55336", "5533", seedThrowing("65432"));
    humanCalls("55332");

    EXPECT_EQ(opponent.statistics().bluffs, 1);
    EXPECT_GE(opponent.statistics().lastBluffSearch, 1);
    EXPECT_EQ(handedDice().size(), 5u);
    const std::array<int, 5> human{5, 5, 3, 3, 2};
    EXPECT_TRUE(
        callBeats(game.match.lastCall()->places(), game.match.lastCall()->level(), human, 21))
        << lastCallPlaces();
    EXPECT_NE(lastCallPlaces(), "65432");
}

TEST_F(ComputerTurnTest, KeepsTheCallsDiceWhenTheCallIsAmongThem) {
    signIn();
    playerHolds("66543", "", 99);
    humanCalls("66000");
    // With no option only dice of the call may be kept: the pair of sixes.
    EXPECT_EQ(callOf(game.match.fixed().places()), "66000");
    EXPECT_EQ(handedDice().substr(0, 2), "66");
    EXPECT_NE(history().find("Fixstring : \t66\r\n"), std::string::npos);
    EXPECT_EQ(table.Text2.caption, "Ann Fix: \r\nAI Fix: 66\r\n");
}

TEST_F(ComputerTurnTest, UnderFixPermanentKeepsThePlayersFixedDiceOfAFalseCall) {
    signIn(false, true);
    playerHolds("55336", "5533", 5);
    humanCalls("55332");
    ASSERT_EQ(opponent.statistics().challenges, 0);
    EXPECT_EQ(callOf(game.match.fixed().places()), "55330");
    EXPECT_EQ(handedDice().substr(0, 4), "5533");
}

// A call made at once leaves the fixed dice on the table; "Fix Permanent" locks them for the
// computer's throw as it would for the player's, whether or not the call holds.
TEST_F(ComputerTurnTest, UnderFixPermanentKeepsWhatACallAtOnceLeftFixed) {
    for (const bool fixAny : {false, true}) {
        SCOPED_TRACE(fixAny ? "both options" : "Fix Permanent");
        signIn(fixAny, true);
        playerHolds("22153", "", 3);
        setFixed("2215");
        humanCalls("443");
        ASSERT_EQ(opponent.statistics().challenges, 0);
        const FaceCounts kept = game.match.fixed().counts();
        EXPECT_TRUE(covers(kept, countFaceDigits("2215"))) << game.match.fixed().digits();
        EXPECT_EQ(table.Text2.caption,
                  "Ann Fix: 2215\r\nAI Fix: " + game.match.fixed().digits() + "\r\n");
        game.closeTable();
    }
}

TEST_F(ComputerTurnTest, FiveAcesCalledByTheComputerCannotBeTrusted) {
    signIn();
    // The player's four aces are kept by the computer, whose one thrown die comes up an ace.
    std::uint64_t seed = 1;
    while (firstThrow(seed).front() != '1') {
        ++seed;
    }
    playerHolds("11116", "1111", seed);
    humanCalls("1111");

    ASSERT_EQ(lastCallPlaces(), "11111");
    EXPECT_EQ(buttons(), "Call1 D, Change D, Roll H, XChange H, Trust D, XTrust E");
}

} // namespace
} // namespace quintel
