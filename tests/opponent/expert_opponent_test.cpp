#include "opponent/expert_computer.h"

#include "arena.h"
#include "model/call_rules.h"
#include "model/keep_rules.h"
#include "solver/stage_game.h"
#include "testing/solved_data.h"
#include "testing/table_fixture.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace quintel {
namespace {

// The chi-square statistic's bound that a fair sample exceeds once in a thousand times
// (Wilson and Hilferty's approximation of the quantile).
double chiSquareBound(int degrees) {
    const double d = degrees;
    const double z = 3.09;
    return d * std::pow(1 - 2 / (9 * d) + z * std::sqrt(2 / (9 * d)), 3);
}

// Observed counts against expected chances; categories expected fewer than five times are pooled.
double chiSquare(const std::map<int, long>& observed, const std::map<int, double>& chances,
                 long total, int& degrees) {
    double statistic = 0;
    double pooledExpected = 0;
    long pooledObserved = 0;
    int categories = 0;
    for (const auto& [category, chance] : chances) {
        const double expected = chance * static_cast<double>(total);
        const auto seen = observed.find(category);
        const long count = seen == observed.end() ? 0 : seen->second;
        if (expected < 5) {
            pooledExpected += expected;
            pooledObserved += count;
            continue;
        }
        statistic += (static_cast<double>(count) - expected) *
                     (static_cast<double>(count) - expected) / expected;
        ++categories;
    }
    if (pooledExpected > 0) {
        const double gap = static_cast<double>(pooledObserved) - pooledExpected;
        statistic += gap * gap / std::max(pooledExpected, 1.0);
        ++categories;
    }
    degrees = std::max(categories - 1, 1);
    return statistic;
}

class ExpertSeatTest : public testing::TableTest {
protected:
    explicit ExpertSeatTest(RuleOptions options = {}) : options_(options) {}

    void SetUp() override {
        solved = testing::storedSolve(options_);
        if (!solved) {
            GTEST_SKIP() << "no stored solve of these options in " QUINTEL_SOLVED_DATA;
        }
        expert.emplace(solved, random, game);
        game.computer = &*expert;
    }

    std::shared_ptr<const solver::SolvedGame> solved;
    std::optional<ExpertComputer> expert;

private:
    RuleOptions options_;
};

class ExpertPermanentTest : public ExpertSeatTest {
protected:
    ExpertPermanentTest() : ExpertSeatTest({.fixAny = false, .fixPermanent = true}) {}
};

// An opening call the Expert trusts only sometimes, on dice from which it then keeps some and
// throws the others.
struct MixedOpening {
    int call = -1;
    int hand = -1;
    int kept = -1;
    double trust = 0;
};

MixedOpening findMixedOpening(const ExpertPolicy& policy) {
    const solver::DiceSets& sets = policy.tables().sets();
    const auto opening = policy.stageTrust(-1, sets.empty());
    for (int call = 0; call < policy.tables().callCount(); ++call) {
        const double trust = opening->trust[static_cast<std::size_t>(call)];
        if (trust < 0.2 || trust > 0.8) {
            continue;
        }
        for (const int hand : sets.ofSize(kDiceCount)) {
            const auto plan = policy.plan(call, hand, sets.empty());
            if (plan && !plan->atOnce && sets.diceIn(plan->kept) <= 3) {
                return {call, hand, plan->kept, trust};
            }
        }
    }
    return {};
}

// Seeded seats by the thousand: a suite of its own, which a name ending in "Long" marks as a test
// the sanitizer build leaves out.
using ExpertSeatLong = ExpertSeatTest;

TEST_F(ExpertSeatLong, TrustsAndCallsWithTheStoredChances) {
    const ExpertPolicy& policy = expert->policy();
    const MixedOpening opening = findMixedOpening(policy);
    ASSERT_GE(opening.call, 0) << "no opening call is trusted only sometimes";
    const std::string hand = diceDigits(solver::callDigits(policy.counts(opening.hand)));
    const std::string call = policy.callText(opening.call);
    const solver::DiceSets& sets = policy.tables().sets();

    signIn();
    constexpr long kTurns = 4000;
    long trusted = 0;
    std::map<int, long> calls;
    for (long turn = 0; turn < kTurns; ++turn) {
        ASSERT_TRUE(game.match.calls().empty());
        setDice(hand);
        game.lastOutcome.reset();
        // Whichever way it goes, the player does not trust the Expert's call and plays on.
        messages.clear();
        for (const MessageAnswer answer :
             {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Yes}) {
            messages.answer(answer);
        }
        humanCalls(call);
        if (game.lastOutcome) {
            continue; // challenged
        }
        ++trusted;
        ASSERT_EQ(game.match.fixed().counts(), policy.counts(opening.kept));
        FaceCounts thrown = game.match.dice().counts();
        for (std::size_t face = 1; face <= kFaces; ++face) {
            thrown[face] -= policy.counts(opening.kept)[face];
        }
        const int made = policy.callOf(game.match.lastCall()->counts());
        // The call is one the strategy gives the dice it threw.
        const auto mixed = policy.callsOf(opening.call, opening.kept, sets.indexOf(thrown));
        EXPECT_TRUE(std::ranges::any_of(mixed, [&](const auto& m) { return m.call == made; }))
            << policy.callText(made) << " after throwing " << sets.indexOf(thrown);
        ++calls[made];
        table.XTrust.click();
    }

    int degrees = 1;
    const std::map<int, double> trustChances{{0, 1 - opening.trust}, {1, opening.trust}};
    const double trustStatistic =
        chiSquare({{0, kTurns - trusted}, {1, trusted}}, trustChances, kTurns, degrees);
    EXPECT_LT(trustStatistic, chiSquareBound(degrees)) << trusted << " of " << kTurns;

    // Each call's chance: over every throw, the throw's chance times the call's share in it.
    std::map<int, double> callChances;
    const solver::StageGame stage(policy.tables(), opening.call, opening.kept,
                                  policy.game().positionValues());
    for (int type = 0; type < stage.typeCount(); ++type) {
        for (const auto& mixed : policy.callsOf(opening.call, opening.kept, stage.thrown(type))) {
            callChances[mixed.call] += stage.chance(type) * mixed.chance;
        }
    }
    ASSERT_GE(callChances.size(), 2U) << "a position with a single call tests nothing";
    const double callStatistic = chiSquare(calls, callChances, trusted, degrees);
    EXPECT_LT(callStatistic, chiSquareBound(degrees)) << degrees << " degrees";
}

TEST_F(ExpertSeatTest, ChallengesACallAtOnceExactlyWhenItsDiceDoNotHoldIt) {
    signIn();
    // The Expert's opening answer: it keeps nothing, so its dice are known below.
    messages.answer(MessageAnswer::Ok);
    humanCalls("2");
    if (game.lastOutcome) {
        GTEST_SKIP() << "the Expert did not trust the opening call";
    }
    const std::string handed = game.match.dice().digits();
    const std::string lastCall = this->lastCall();
    table.Trust_Click();
    // Called at once: the dice are the ones the Expert handed over.
    const ExpertPolicy& policy = expert->policy();
    const int last = policy.callOf(countFaceDigits(lastCall));
    int bluff = last + 1;
    while (covers(countFaceDigits(handed), policy.callCounts(bluff))) {
        ++bluff;
    }
    messages.clear();
    humanCalls(policy.callText(bluff));
    ASSERT_TRUE(game.lastOutcome) << "a false call at once is always challenged";
    EXPECT_EQ(game.lastOutcome->challenger, Seat::Computer);
}

// A call at once leaves the fixed dice as they were, as the player's own call at once does and as
// the solved game assumes: locking all five would leave the player a position the solve never
// weighed, and one the best response wins more often.
TEST_F(ExpertPermanentTest, ACallAtOnceLeavesTheLockedDiceAsTheyWere) {
    const ExpertPolicy& policy = expert->policy();
    const solver::DiceSets& sets = policy.tables().sets();
    const auto opening = policy.stageTrust(-1, sets.empty());
    // The opening call answered at once that the Expert trusts most often.
    int call = -1;
    int hand = -1;
    double mostTrust = 0;
    for (int c = 0; c < policy.tables().callCount(); ++c) {
        const double trust = opening->trust[static_cast<std::size_t>(c)];
        for (const int h : sets.ofSize(kDiceCount)) {
            const auto plan = policy.plan(c, h, sets.empty());
            if (trust > mostTrust && plan && plan->atOnce) {
                call = c;
                hand = h;
                mostTrust = trust;
            }
        }
    }
    ASSERT_GT(mostTrust, 0.05) << "no opening call is answered at once";

    signIn(false, true);
    for (int attempt = 0; attempt < 200; ++attempt) {
        setDice(diceDigits(solver::callDigits(policy.counts(hand))));
        game.lastOutcome.reset();
        messages.clear();
        for (const MessageAnswer answer :
             {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Yes}) {
            messages.answer(answer);
        }
        humanCalls(policy.callText(call));
        if (!game.lastOutcome) {
            break;
        }
    }
    ASSERT_FALSE(game.lastOutcome) << "the Expert never trusted " << policy.callText(call);
    EXPECT_TRUE(game.match.calls().back().thrown.empty());
    EXPECT_EQ(game.match.fixed().digits(), "") << "the opening fixed nothing";
    EXPECT_TRUE(table.lblStatus.caption.starts_with(game.logs.names[1] + " (" +
                                                    game.opponentTitle() + ") kept its five dice"))
        << table.lblStatus.caption;

    table.Trust.click();
    table.Change_Dice.click();
    for (const Control& die : table.Dice) {
        EXPECT_TRUE(die.enabled) << "no die is locked";
    }
}

// The table refuses any call or keep against its rules, and the runner counts a refused action of
// the computer as a fault: seeded games under every option set, by two scripts, find none.
TEST(ExpertSeat, AlwaysMakesALegalCallAndKeepsOnlyWhatTheRulesAllow) {
    int optionSets = 0;
    for (const RuleOptions options : kOptionSets) {
        if (!testing::storedSolve(options)) {
            continue;
        }
        ++optionSets;
        for (const char* human : {"bluffer", "honest"}) {
            arena::ArenaConfig config;
            config.games = 300;
            config.seed = 5;
            config.options = options;
            config.human = human;
            config.computerName = "expert";
            config.solvedFolder = QUINTEL_SOLVED_DATA;
            long long keeps = 0;
            config.gameLine = [&keeps](const std::string& line) {
                keeps += line.find(", C keep ") != std::string::npos ? 1 : 0;
            };
            const arena::ArenaReport report = arena::runArena(config);
            EXPECT_TRUE(report.faults.empty()) << report.faults.front();
            EXPECT_EQ(report.games, 300);
            EXPECT_GT(keeps, 0);
        }
    }
    if (optionSets == 0) {
        GTEST_SKIP() << "no stored solve in " QUINTEL_SOLVED_DATA;
    }
}

} // namespace
} // namespace quintel
