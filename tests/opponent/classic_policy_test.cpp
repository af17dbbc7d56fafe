#include "opponent/classic_policy.h"

#include "model/call_rules.h"
#include "model/random_source.h"
#include "opponent/classic_computer.h"
#include "testing/table_fixture.h"

#include <cmath>
#include <map>
#include <string>

namespace quintel {
namespace {

CallDigits callFrom(std::string_view digits) {
    CallDigits call{};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        call[i] = digits[i] - '0';
    }
    arrangeDice(call);
    return call;
}

int levelOf(const CallDigits& call) {
    return shapeScore(countFaces(call));
}

// A call and the level it goes out with, as one text: "66550/21".
std::string key(const ComputerCall& call) {
    return diceDigits(call.dice, EmptyPositions::Zero) + "/" + std::to_string(call.level);
}

using Distribution = std::map<std::string, double>;

double total(const Distribution& chances) {
    double sum = 0.0;
    for (const auto& [call, chance] : chances) {
        sum += chance;
    }
    return sum;
}

// Pearson's statistic of `seen` counts against `expected` chances over `runs`; classes expected
// fewer than five times are pooled. Fails when the statistic lies beyond the mean by more than
// six standard deviations of its distribution, which a right distribution all but never does.
void expectFits(const std::map<std::string, int>& seen, const Distribution& expected, int runs) {
    double statistic = 0.0;
    int classes = 0;
    double pooledExpected = 0.0;
    int pooledSeen = 0;
    for (const auto& [call, count] : seen) {
        EXPECT_TRUE(expected.contains(call)) << call << " came out " << count << " times";
    }
    for (const auto& [call, chance] : expected) {
        const double mean = chance * runs;
        const auto found = seen.find(call);
        const int count = found == seen.end() ? 0 : found->second;
        if (mean < 5.0) {
            pooledExpected += mean;
            pooledSeen += count;
            continue;
        }
        statistic += (count - mean) * (count - mean) / mean;
        ++classes;
    }
    if (pooledExpected > 0.0) {
        statistic += (pooledSeen - pooledExpected) * (pooledSeen - pooledExpected) /
                     std::max(pooledExpected, 1.0);
        ++classes;
    }
    const double freedom = classes - 1;
    EXPECT_LT(statistic, freedom + 6.0 * std::sqrt(2.0 * freedom))
        << classes << " classes over " << runs << " runs";
}

TEST(BluffChances, CandidatesKeepTheHoldAndDrawTheRestFourDiceCallsThreeTimesInFive) {
    const CallChances candidates = bluffCandidateChances("55");
    Distribution chances;
    double fourDice = 0.0;
    for (const CallChance& candidate : candidates) {
        chances[key(candidate.call)] += candidate.chance;
        EXPECT_GE(countFaces(candidate.call.dice)[5], 2) << key(candidate.call);
        if (candidate.call.dice[4] == 0) {
            fourDice += candidate.chance;
        }
    }
    EXPECT_EQ(chances.size(), candidates.size()) << "each call once";
    EXPECT_NEAR(total(chances), 1.0, 1e-12);
    EXPECT_NEAR(fourDice, 0.6, 1e-12);
    // Five fives: a five-dice candidate whose three drawn dice are all fives.
    EXPECT_NEAR(chances["55555/60"], 0.4 / 216, 1e-15);
    // A hold of four dice is the whole of a four-dice candidate.
    Distribution fourHeld;
    for (const CallChance& candidate : bluffCandidateChances("6543")) {
        fourHeld[key(candidate.call)] += candidate.chance;
    }
    EXPECT_EQ(fourHeld.size(), 7U);
    EXPECT_NEAR(fourHeld["65430/4"], 0.6, 1e-12);
    EXPECT_NEAR(fourHeld["66543/13"], 0.4 / 6, 1e-12);
}

TEST(BluffChances, TheSearchsOutcomeMatchesSeededSearchesUpToItsBound) {
    // Against three fives a hold of one five is refused often, so a bound of two settles often.
    const std::string hold = "5";
    const CallDigits last = callFrom("55543");
    const int lastLevel = levelOf(last);
    for (const int bound : {2, ClassicComputer::kBluffBound}) {
        Distribution expected;
        for (const CallChance& outcome :
             bluffOutcomeChances(bluffCandidateChances(hold), last, lastLevel, bound)) {
            EXPECT_TRUE(callBeats(outcome.call.dice, outcome.call.level, last, lastLevel));
            expected[key(outcome.call)] += outcome.chance;
        }
        EXPECT_NEAR(total(expected), 1.0, 1e-12);
        if (bound == 2) {
            const CallDigits weakest = *weakestCallBeating(last, lastLevel);
            EXPECT_GT(expected[key({weakest, levelOf(weakest)})], 0.3)
                << "the weakest call above is where it settles";
        }
        constexpr int kRuns = 40000;
        RandomSource random(static_cast<std::uint64_t>(bound));
        std::map<std::string, int> seen;
        for (int run = 0; run < kRuns; ++run) {
            const BluffResult searched = bluffSearch(hold, last, lastLevel, random, bound);
            ++seen[key(settledBluff(searched, last, lastLevel))];
        }
        expectFits(seen, expected, kRuns);
    }
}

TEST(BluffChances, ACallNoCandidateBeatsAlwaysSettles) {
    // A single two and random dice never make five of a kind above five twos.
    const CallDigits last = callFrom("22222");
    const CallChances outcome =
        bluffOutcomeChances(bluffCandidateChances("2"), last, levelOf(last), 1000);
    ASSERT_EQ(outcome.size(), 1U);
    EXPECT_EQ(key(outcome[0].call), "33333/60");
    EXPECT_DOUBLE_EQ(outcome[0].chance, 1.0);
}

TEST(HonestCall, ThrownTwoPairsLoseTheirKickerWhileAllowedKeptDiceNever) {
    const CallDigits last = callFrom("55332");
    const int level = levelOf(last);
    EXPECT_EQ(key(*honestCall("66554", true, last, level)), "66550/21");
    EXPECT_EQ(key(*honestCall("66554", false, last, level)), "66554/21");
    // Against 66552 only the kicker lifts 66554 above it.
    const CallDigits close = callFrom("66552");
    EXPECT_EQ(key(*honestCall("45566", true, close, levelOf(close))), "66554/21");
    EXPECT_FALSE(honestCall("66543", true, last, level));
    EXPECT_EQ(key(*honestAnswer("66554", "66554", last, level)), "66554/21");
    EXPECT_EQ(key(*honestAnswer("6655", "66554", last, level)), "66550/21");
}

// Positions of a player's call that the computer trusts, and the real turn played from them
// under many seeds.
struct TurnCase {
    RuleOptions options;
    std::string playerDice;
    std::string playerFix;
    std::string call;
};

class RealTurnAgainstPolicyLong : public testing::TableTest,
                                  public ::testing::WithParamInterface<TurnCase> {
protected:
    RealTurnAgainstPolicyLong() { game.computer = &opponent; }
    // A computer that never learns: the profile's correction stays out of reach.
    ClassicComputer opponent{random, game, nullptr};
};

TEST_P(RealTurnAgainstPolicyLong, HoldAndCallFollowTheExactDistribution) {
    const TurnCase& turn = GetParam();
    signIn(turn.options.fixAny, turn.options.fixPermanent);
    const ClassicPolicy policy(turn.options);
    const CallDigits last = callFrom(turn.call);
    ASSERT_TRUE(policy.trusts(last, turn.playerFix));
    const std::string hold = policy.hold(turn.call, turn.playerDice, turn.playerFix);

    // Every throw around the hold, each with the policy's calls on it.
    Distribution expected;
    const std::size_t thrown = 5 - hold.size();
    const int throws = static_cast<int>(std::pow(6, thrown));
    for (int code = 0; code < throws; ++code) {
        std::string dice = hold;
        for (int i = 0, rest = code; i < static_cast<int>(thrown); ++i, rest /= 6) {
            dice += static_cast<char>('1' + rest % 6);
        }
        for (const CallChance& chance : policy.callChances(hold, dice, last, levelOf(last))) {
            expected[diceDigits(chance.call.dice)] += chance.chance / throws;
        }
    }
    EXPECT_NEAR(total(expected), 1.0, 1e-12);

    constexpr int kRuns = 6000;
    std::map<std::string, int> seen;
    for (int run = 0; run < kRuns; ++run) {
        table.functStart();
        setDice(turn.playerDice);
        setFixed(turn.playerFix, !turn.playerFix.empty());
        random = RandomSource(static_cast<std::uint64_t>(run) + 1);
        const long long challenges = opponent.statistics().challenges;
        humanCalls(turn.call);
        ASSERT_EQ(opponent.statistics().challenges, challenges) << "the turn challenged";
        ASSERT_EQ(arrangeDigits(game.match.fixed().digits()), arrangeDigits(hold));
        ASSERT_TRUE(covers(game.match.dice().counts(), countFaceDigits(hold)));
        ++seen[diceDigits(game.match.lastCall()->places())];
    }
    expectFits(seen, expected, kRuns);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, RealTurnAgainstPolicyLong,
    ::testing::Values(
        // A pair of aces not among the dice: nothing kept, and bluffs about half the time.
        TurnCase{{}, "65432", "", "11"},
        // A true call: the search keeps some of the call.
        TurnCase{{}, "66543", "", "66"},
        // Any dice may be kept: three aces stay.
        TurnCase{{.fixAny = true, .fixPermanent = false}, "11165", "", "22"},
        // The player's fixed six must stay.
        TurnCase{{.fixAny = false, .fixPermanent = true}, "66543", "6", "66"},
        // Both options, with a five-dice call the dice do not hold.
        TurnCase{{.fixAny = true, .fixPermanent = true}, "64431", "43", "65432"}));

TEST(ClassicTrust, AgreesWithTheRealTurnOnEveryCallMadeWithoutThrowing) {
    for (const RuleOptions options : {RuleOptions{}, RuleOptions{true, true}}) {
        const ClassicPolicy policy(options);
        TempFolder folder;
        ScriptedMessageBoxes messages;
        RandomSource random(7);
        Game game(folder.path(), messages, random);
        ClassicComputer opponent(random, game, nullptr);
        game.computer = &opponent;
        game.start();
        game.formWelcome.txtName.edited("Ann");
        game.formWelcome.Check1.value = options.fixAny;
        game.formWelcome.Check2.value = options.fixPermanent;
        game.formWelcome.btnOK.click();
        int trusted = 0;
        for (const RankedCall& call : everyCallWeakestFirst()) {
            game.formStart.functStart();
            messages.answer(MessageAnswer::Yes);
            game.formCall.CallDice = call.dice;
            const long long challenges = opponent.statistics().challenges;
            game.formCall.SendCall();
            const bool turnTrusted = opponent.statistics().challenges == challenges;
            EXPECT_EQ(policy.trusts(call.dice, ""), turnTrusted)
                << diceDigits(call.dice) << " under " << optionWords(options);
            trusted += turnTrusted ? 1 : 0;
            messages.clear();
        }
        EXPECT_GT(trusted, 20);
        EXPECT_LT(trusted, 400);
    }
}

} // namespace
} // namespace quintel
