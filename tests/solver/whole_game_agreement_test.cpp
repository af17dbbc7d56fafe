// The stage solver against the independent linear programs of the whole game on reduced variants:
// they share no code beyond the model's dice counts, so a fault in the split into stages, in the
// stage solver or in the backward pass shows as a different value.
#include "solver/solved_game.h"
#include "testing/option_set_name.h"
#include "testing/whole_game_lp.h"

#include <gtest/gtest.h>

#include <string>

namespace quintel {
namespace {

constexpr double kAgreement = 1e-9;

solver::SolverSettings tight() {
    solver::SolverSettings settings;
    settings.tolerance = 1e-11;
    settings.smallestChanceShare = 0.0;
    return settings;
}

class AgreesWithTheWholeGame : public ::testing::TestWithParam<RuleOptions> {};
INSTANTIATE_TEST_SUITE_P(EveryOptionSet, AgreesWithTheWholeGame, ::testing::ValuesIn(kOptionSets),
                         quintel::testing::optionSetName);

// Two dice of two faces: small enough for one sequence-form program of the whole game, opening
// and every position.
TEST_P(AgreesWithTheWholeGame, TwoDiceOfTwoFacesEveryPosition) {
    const RuleOptions options = GetParam();
    const wholegame::Variant small{2, 2};
    const solver::SolvedGame solved = solver::SolvedGame::solve({2, 2}, options, tight());
    ASSERT_LE(solved.largestGap(), tight().tolerance);
    EXPECT_NEAR(solved.openValue(), wholegame::openerValue(small, options), kAgreement);

    const solver::GameTables& tables = solved.tables();
    const solver::DiceSets& sets = tables.sets();
    int compared = 0;
    for (int call = 0; call + 1 < tables.callCount(); ++call) {
        for (const int hand : sets.ofSize(2)) {
            for (int locked = 0; locked < sets.count(); ++locked) {
                const auto value = solved.positionValue(call, hand, locked);
                if (!value) {
                    continue; // locked dice that are not among the hand
                }
                const wholegame::Position position{sets.counts(tables.callSet(call)),
                                                   sets.counts(hand), sets.counts(locked)};
                EXPECT_NEAR(*value, wholegame::moverValue(small, options, position), kAgreement)
                    << "call " << call << " hand " << hand << " locked " << locked;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 20);
}

// Larger variants, against the game cut at each trust and every cut solved by its own program.
TEST_P(AgreesWithTheWholeGame, ThreeFacesAndThreeDiceOpening) {
    const RuleOptions options = GetParam();
    for (const auto& [faces, dice] : {std::pair{3, 2}, std::pair{2, 3}, std::pair{3, 3}}) {
        const solver::SolvedGame solved =
            solver::SolvedGame::solve({faces, dice}, options, tight());
        ASSERT_LE(solved.largestGap(), tight().tolerance) << faces << " faces, " << dice;
        wholegame::HandOverSolver cut({faces, dice}, options);
        EXPECT_NEAR(solved.openValue(), cut.openerValue(), kAgreement)
            << faces << " faces, " << dice << " dice";
    }
}

} // namespace
} // namespace quintel
