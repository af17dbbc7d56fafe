#include "call/call_status.h"
#include "testing/table_fixture.h"

#include <gtest/gtest.h>

namespace quintel::testing {
namespace {

TEST(CallStatusText, NamesTheCallTheDiceAndTheWeakestCallAllowed) {
    CallFacts facts{.composed = "664",
                    .composedDice = 3,
                    .dice = "66432",
                    .lastCall = "66",
                    .weakest = "662",
                    .beatsLast = true};
    EXPECT_EQ(callStatus(facts), "Your call: 664, a pair of sixes \u2014 your dice 66432 \u2014 "
                                 "the weakest call you may make: 662");
    facts.beatsLast = false;
    EXPECT_EQ(callStatus(facts), "Your call: 664, a pair of sixes (does not beat 66) \u2014 your "
                                 "dice 66432 \u2014 the weakest call you may make: 662");
    facts = {.composed = "", .composedDice = 0, .dice = "12345", .lastCall = "", .weakest = "2"};
    EXPECT_EQ(callStatus(facts),
              "Your call: none yet \u2014 your dice 12345 \u2014 any call may open the game");
    facts = {.composed = "",
             .composedDice = 7,
             .dice = "12345",
             .lastCall = "11116",
             .weakest = "11111"};
    EXPECT_EQ(callStatus(facts), "Your call: 7 dice, five at most \u2014 your dice 12345 \u2014 "
                                 "the weakest call you may make: 11111");
    facts = {.composed = "1",
             .composedDice = 1,
             .dice = "12345",
             .lastCall = "11111",
             .weakest = std::nullopt,
             .beatsLast = false};
    EXPECT_EQ(callStatus(facts), "Your call: 1, a single ace (does not beat 11111) \u2014 your "
                                 "dice 12345 \u2014 no call beats 11111");
}

using CallDialogStatus = TableTest;

TEST_F(CallDialogStatus, FollowsTheGridAgainstTheTablesDiceAndLastCall) {
    signIn();
    setDice("64362");
    table.Call1.click();
    EXPECT_EQ(dialog.statusLine(), &dialog.lblStatus);
    EXPECT_EQ(dialog.lblStatus.place.top, dialog.clientHeight);
    EXPECT_EQ(dialog.lblStatus.caption,
              "Your call: none yet \u2014 your dice 64362 \u2014 any call may open the game");
    gridOption(dialog, 4, 1).click();
    gridOption(dialog, 6, 2).click();
    EXPECT_EQ(dialog.callFacts().composed, "664");
    EXPECT_EQ(dialog.lblStatus.caption, "Your call: 664, a pair of sixes \u2014 your dice 64362 "
                                        "\u2014 any call may open the game");
    // Past five dice the status line says what to do beside the message that refuses it.
    gridOption(dialog, 2, 4).click();
    EXPECT_EQ(dialog.callFacts().composedDice, 7);
    EXPECT_EQ(dialog.lblStatus.caption,
              "You chose 7 dice: a call names five dice at most. Take some away.");
    dialog.Cancel.click();

    // After the computer's 66, the weakest answer is a pair of sixes with the lowest die beside.
    reachAnswer("66543", "66", "66");
    table.Trust.click();
    table.Call1.click();
    EXPECT_EQ(dialog.lblStatus.caption, "Your call: none yet \u2014 your dice 66543 \u2014 the "
                                        "weakest call you may make: 662");
    gridOption(dialog, 6, 2).click();
    EXPECT_FALSE(dialog.callFacts().beatsLast);
    EXPECT_EQ(
        dialog.lblStatus.caption.rfind("Your call: 66, a pair of sixes (does not beat 66)", 0), 0U);
    gridOption(dialog, 2, 1).click();
    EXPECT_TRUE(dialog.callFacts().beatsLast);
    EXPECT_EQ(dialog.callFacts().weakest, "662");
}

TEST_F(CallDialogStatus, TheWeakestCallItNamesIsAcceptedAndNothingWeakerIs) {
    signIn();
    reachAnswer("55441", "5544", "55");
    table.Trust.click();
    table.Call1.click();
    const std::string weakest = dialog.callFacts().weakest.value();
    // Any call that beats 5544 starts with it; the lowest die added to it is the least step.
    EXPECT_EQ(weakest, "55442");
    dialog.Cancel.click();
    compose("5544");
    EXPECT_FALSE(dialog.callFacts().beatsLast);
    dialog.OK.click();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Incorrect Input"});
    dialog.Cancel.click();
    computer.calls("66543", "66655", "666");
    humanCalls(weakest);
    EXPECT_EQ(computer.seen.size(), 2U) << "the named call went through";
    EXPECT_EQ(computer.seen.back().lastCall->digits(), weakest);
}

} // namespace
} // namespace quintel::testing
