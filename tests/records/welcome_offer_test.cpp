#include "testing/table_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace quintel::testing {
namespace {

class WelcomeOffer : public TableTest {
protected:
    FormWelcome& welcome = game.formWelcome;
    std::vector<WelcomeChoice> told;

    WelcomeOffer() {
        welcome.onSignIn = [this](const WelcomeChoice& choice) { told.push_back(choice); };
    }

    // One game the computer decides by not trusting, then No to "Continue ? ".
    void playOneGameAndStop() {
        computer.challenges();
        humanCalls("2");
        ASSERT_TRUE(welcome.shown()) << ::testing::PrintToString(messages.texts());
        ASSERT_FALSE(table.shown());
    }

    WelcomeChoice shownChoice() const {
        return {welcome.txtName.caption, welcome.Check1.value, welcome.Check2.value};
    }

    std::string secondLineOf(const std::string& fileName) const {
        std::ifstream in(folder.path() / fileName, std::ios::binary);
        std::string first;
        std::string second;
        std::getline(in, first);
        std::getline(in, second);
        return second;
    }
};

TEST_F(WelcomeOffer, TheFirstStartShowsTheDesignState) {
    game.start();
    EXPECT_EQ(shownChoice(), WelcomeChoice{});
    EXPECT_TRUE(told.empty());
}

TEST_F(WelcomeOffer, AfterStoppingTheLastNameAndOptionsAreOfferedAndSignInAsTicked) {
    signIn(true, false, "Ann");
    ASSERT_EQ(told, (std::vector<WelcomeChoice>{{"Ann", true, false}}));
    playOneGameAndStop();
    EXPECT_EQ(shownChoice(), (WelcomeChoice{"Ann", true, false}));

    // The offer is only a start: what is ticked at OK is what the history file records.
    welcome.Check1.click();
    welcome.Check2.click();
    welcome.btnOK.click();
    ASSERT_TRUE(table.shown());
    EXPECT_EQ(secondLineOf("Ann_0.txt"), "Fix Any\r");
    EXPECT_EQ(secondLineOf("Ann_1.txt"), "Fix Permanent\r");
    EXPECT_EQ(told.back(), (WelcomeChoice{"Ann", false, true}));
}

TEST_F(WelcomeOffer, ARefusedSignInIsNeitherOfferedNorTold) {
    welcome.offer = {"Bob", false, true};
    game.start();
    EXPECT_EQ(shownChoice(), (WelcomeChoice{"Bob", false, true}));
    welcome.txtName.edited("a/b");
    welcome.btnOK.click();
    ASSERT_FALSE(table.shown());
    EXPECT_TRUE(told.empty());
    welcome.Unload();
    game.start();
    EXPECT_EQ(shownChoice(), (WelcomeChoice{"Bob", false, true}));
}

} // namespace
} // namespace quintel::testing
