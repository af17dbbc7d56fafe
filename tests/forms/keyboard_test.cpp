#include "testing/table_fixture.h"

#include <gtest/gtest.h>

namespace quintel::testing {
namespace {

using Keyboard = TableTest;

std::string preview(const FormCall& dialog) {
    std::string shown;
    for (const Control& label : dialog.lblDice) {
        shown += label.caption;
    }
    return shown;
}

TEST(KeyNames, OneNamePerKey) {
    EXPECT_EQ(keyName("c"), "C");
    EXPECT_EQ(keyName("Escape"), "Esc");
    EXPECT_EQ(keyName("Enter"), "Return");
    EXPECT_EQ(keyName("3"), "3");
}

TEST_F(Keyboard, ReturnSignsInOnlyWhileTheWelcomeScreenIsShown) {
    signIn();
    EXPECT_FALSE(game.formWelcome.pressKey("Return"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Ann_1.txt"));

    game.formStart.Unload();
    game.start();
    game.formWelcome.txtName.edited("Bo");
    EXPECT_TRUE(game.formWelcome.pressKey("Enter"));
    EXPECT_TRUE(table.shown());
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Bo_0.txt"));
}

TEST_F(Keyboard, KeysReachOnlyButtonsThePlayerCouldClick) {
    signIn();
    const std::string before = buttons();
    for (const char* key : {"H", "R", "Esc", "T", "X", "N", "Q"}) {
        EXPECT_FALSE(table.pressKey(key)) << key;
    }
    EXPECT_EQ(buttons(), before);

    reachAnswer("66543", "66");
    EXPECT_TRUE(table.pressKey("t"));
    EXPECT_TRUE(table.pressKey("h"));
    EXPECT_TRUE(table.pressKey("1")); // the first six may be thrown again
    EXPECT_EQ(dice(), "6X 6 5X 4X 3X");
    EXPECT_TRUE(table.pressKey("Escape"));
    EXPECT_EQ(dice(), "6 6 5 4 3");
    EXPECT_FALSE(table.pressKey("R")); // Roll went away with the change
}

TEST_F(Keyboard, ACallTypedFaceByFaceAndSentWithReturn) {
    signIn();
    computer.calls("66432", "6600");
    ASSERT_TRUE(table.pressKey("C"));
    for (const char* key : {"5", "2", "5"}) {
        dialog.pressKey(key);
    }
    EXPECT_EQ(preview(dialog), "255");
    EXPECT_TRUE(dialog.pressKey("Return"));
    EXPECT_FALSE(dialog.loaded());
    EXPECT_EQ(computer.seen.at(0).lastCall->digits(), "552");
    EXPECT_TRUE(table.pressKey("T"));
    EXPECT_EQ(dice(), "6 6 4 3 2");
}

TEST_F(Keyboard, FaceKeysCountLikeClicksOnTheGrid) {
    signIn();
    table.Call1.click();
    for (int press = 0; press < 5; ++press) {
        EXPECT_TRUE(dialog.pressKey("4"));
    }
    EXPECT_FALSE(dialog.pressKey("4")); // the row has no sixth column
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(dialog.pressKey("1")); // a sixth die in all: refused as a click would be
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Invalid Input : Too Many Dice (<= 5)"});
    EXPECT_FALSE(dialog.pressKey("7"));
    EXPECT_TRUE(dialog.pressKey("Esc"));
    EXPECT_FALSE(dialog.loaded());
}

} // namespace
} // namespace quintel::testing
