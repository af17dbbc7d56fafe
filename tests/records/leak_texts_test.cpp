#include "records/leak_texts.h"
#include "testing/solved_data.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

int setOf(const solver::GameTables& tables, std::string_view digits) {
    return tables.sets().indexOf(countFaceDigits(digits));
}

int callOf(const solver::GameTables& tables, std::string_view digits) {
    return tables.callOfSet(setOf(tables, digits));
}

// A player who trusts every pair of sixes the computer calls after trusting 55643 and keeping
// 643, which the best play never trusts: that habit is the leak told first, in words that name
// the dice the hand's words leave out.
TEST(LeakTexts, APlayerWhoAlwaysTrustsAPairOfSixesIsToldSoFirst) {
    const auto game = testing::storedSolve({});
    if (!game) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    const solver::GameTables& tables = game->tables();
    solver::PlayerModel credulous(game);
    solver::PlayerObservations seen;
    seen.answers.push_back(
        {callOf(tables, "55643"), setOf(tables, "643"), callOf(tables, "66"), true});
    for (int i = 0; i < 60; ++i) {
        credulous.add(seen);
    }
    const std::vector<solver::Leak> leaks = solver::worstLeaks(credulous);
    ASSERT_FALSE(leaks.empty());
    EXPECT_EQ(leakText(tables, leaks.front()),
              "you trust a pair of sixes after the computer kept three different dice (643) too "
              "often: 100 % against the best 0 %");

    EXPECT_EQ(exploitabilityText({0.62, 0.54}), "A perfect opponent would win 62 % against your "
                                                "habits, 8 points more than against the best "
                                                "play.");
    EXPECT_EQ(exploitabilityText({0.541, 0.538}), "A perfect opponent would win 54 % against your "
                                                  "habits, no more than against the best play.");
}

} // namespace
} // namespace quintel
