#include "model/call_list.h"
#include "model/keep_rules.h"
#include "testing/table_fixture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quintel {
namespace {

using testing::TableTest;

// The face-count rule for what a trusting seat may keep agrees with the table's own change step,
// die by die, over many calls, dice and locked dice under every option set.
class KeepRulesAgreeWithTheTable : public TableTest,
                                   public ::testing::WithParamInterface<RuleOptions> {};

std::string callText(const RankedCall& call) {
    return diceDigits(call.dice);
}

// The range the table leaves after Change: locked dice must stay, selectable ones may.
KeepRange tableRange(const FormStart& table) {
    KeepRange range;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        const auto face = static_cast<std::size_t>(table.dieValue(static_cast<int>(i)));
        if (!table.Dice[i].enabled) {
            ++range.least[face];
            ++range.most[face];
        } else if (table.DiceSelectable[i]) {
            ++range.most[face];
        }
    }
    return range;
}

TEST_P(KeepRulesAgreeWithTheTable, ForRandomPositions) {
    const RuleOptions options = GetParam();
    signIn(options.fixAny, options.fixPermanent);
    const auto& calls = everyCallWeakestFirst();
    std::mt19937 draw(7);
    std::uniform_int_distribution<int> face(1, kFaces);
    std::uniform_int_distribution<std::size_t> anyCall(0, calls.size() - 1);
    for (int round = 0; round < 300; ++round) {
        std::string dice;
        std::string fix;
        for (int i = 0; i < kDiceCount; ++i) {
            dice += static_cast<char>('0' + face(draw));
            if (draw() % 3 == 0) {
                fix += dice.back();
            }
        }
        const std::string call = callText(calls[anyCall(draw)]);
        computer.calls(dice, call, fix);
        humanCalls("2");
        table.Trust.click();
        table.Change_Dice.click();
        const KeepRange expected =
            keepRange(countFaceDigits(call), countFaceDigits(dice), countFaceDigits(fix), options);
        ASSERT_EQ(tableRange(table), expected)
            << "call " << call << " dice " << dice << " fixed " << fix;
        table.XChange.click();
        table.functStart();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryOptionSet, KeepRulesAgreeWithTheTable,
                         ::testing::ValuesIn(kOptionSets));

TEST(KeepRange, LockedDiceUseUpTheCallsPlacesOfTheirFace) {
    // The call names one 6; the previous caller fixed one 6: that 6 stays and the other goes.
    const KeepRange range = keepRange(countFaceDigits("6"), countFaceDigits("66234"),
                                      countFaceDigits("6"), RuleOptions{false, true});
    EXPECT_EQ(range.least[6], 1);
    EXPECT_EQ(range.most[6], 1);
    EXPECT_FALSE(keepAllowed(range, countFaceDigits("66")));
    EXPECT_TRUE(keepAllowed(range, countFaceDigits("6")));
    EXPECT_FALSE(keepAllowed(range, countFaceDigits("")));
}

} // namespace
} // namespace quintel
