#include "app/game.h"
#include "testing/scripted_message_boxes.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace quintel {
namespace {

auto look(const Control& control) {
    const Place& p = control.place;
    return std::tuple(control.name, control.kind, control.caption, p.left, p.top, p.width, p.height,
                      control.tabOrder, control.value);
}

class WelcomeScreen : public ::testing::Test {
protected:
    TempFolder folder;
    ScriptedMessageBoxes boxes;
    RandomSource random{7};
    Game game{folder.path(), boxes, random};
    FormWelcome& welcome = game.formWelcome;
};

TEST_F(WelcomeScreen, StartsWithItsDesignedControls) {
    game.start();
    ASSERT_TRUE(welcome.shown());
    EXPECT_EQ(welcome.windowCaption, "WELCOME");
    using enum ControlKind;
    const auto controls = welcome.controls();
    ASSERT_EQ(controls.size(), 11U);
    EXPECT_EQ(look(*controls[0]), std::tuple("Label1", Label, "Please Enter Your Name :", 1440, 480,
                                             1935, 255, 2, false));
    EXPECT_EQ(look(*controls[1]),
              std::tuple("txtName", TextBox, "", 1440, 810, 1935, 285, 0, false));
    EXPECT_EQ(look(*controls[2]),
              std::tuple("Check1", CheckBox, "Fix Any", 1680, 1200, 1695, 375, 4, false));
    EXPECT_EQ(look(*controls[3]),
              std::tuple("Check2", CheckBox, "Fix Permanent", 1680, 1680, 1695, 375, 5, false));
    EXPECT_EQ(look(*controls[4]),
              std::tuple("btnOK", Button, "OK", 1920, 2400, 975, 495, 1, false));
    EXPECT_EQ(look(*controls[5]),
              std::tuple("cmdExit", Button, "Exit", 1920, 3120, 975, 495, 3, false));
    EXPECT_EQ(look(*controls[6]),
              std::tuple("lblFolder", Label, "Your files: " + folder.path().string(), 120, 60, 4440,
                         255, -1, false));
    // The opponent stands right of the options, on their rows and the one below; Classic is
    // chosen.
    EXPECT_EQ(look(*controls[7]),
              std::tuple("fraOpponent", Frame, "", 3480, 1200, 1095, 1335, -1, false));
    EXPECT_EQ(look(*controls[8]),
              std::tuple("optClassic", OptionButton, "Classic", 0, 0, 1095, 375, 6, true));
    EXPECT_EQ(look(*controls[9]),
              std::tuple("optExpert", OptionButton, "Expert", 0, 480, 1095, 375, 7, false));
    EXPECT_EQ(look(*controls[10]),
              std::tuple("optMaster", OptionButton, "Master", 0, 960, 1095, 375, 8, false));
    for (const std::size_t option : {8U, 9U, 10U}) {
        EXPECT_EQ(controls[option]->container, controls[7]);
    }
}

TEST_F(WelcomeScreen, TheOpponentIsOneOfThreeAndComesBackAsTheLastSignInChoseIt) {
    game.start();
    welcome.optMaster.click();
    EXPECT_TRUE(welcome.optMaster.value);
    EXPECT_FALSE(welcome.optClassic.value || welcome.optExpert.value);
    welcome.optExpert.click();
    EXPECT_TRUE(welcome.optExpert.value);
    EXPECT_FALSE(welcome.optClassic.value || welcome.optMaster.value);
    welcome.optClassic.click();
    EXPECT_TRUE(welcome.optClassic.value);
    EXPECT_FALSE(welcome.optExpert.value);
    welcome.optExpert.click();
    welcome.txtName.edited("Ann");
    std::optional<WelcomeChoice> told;
    welcome.onSignIn = [&told](const WelcomeChoice& choice) { told = choice; };
    welcome.btnOK.click();
    ASSERT_TRUE(told);
    EXPECT_EQ(told->opponent, Opponent::Expert);
    game.formStart.Unload();
    game.history.close();
    game.start();
    EXPECT_TRUE(welcome.optExpert.value);
    EXPECT_FALSE(welcome.optClassic.value);
}

TEST_F(WelcomeScreen, TakesNameAndOptionsAndForgetsThemWhenShownAgain) {
    game.start();
    welcome.Check1.click();
    welcome.Check2.click();
    welcome.Check1.click();
    welcome.txtName.edited("Ann ");
    EXPECT_FALSE(welcome.Check1.value);
    EXPECT_TRUE(welcome.Check2.value);
    EXPECT_EQ(welcome.txtName.caption, "Ann ");
    welcome.Unload();
    game.start();
    EXPECT_EQ(welcome.txtName.caption, "");
    EXPECT_FALSE(welcome.Check2.value);
}

TEST_F(WelcomeScreen, ExitOrClosingTheWindowEndsTheProgramWithoutAFile) {
    for (const bool fromFrame : {false, true}) {
        game.quitRequested = false;
        game.start();
        welcome.txtName.edited("Ann");
        fromFrame ? welcome.closeFromFrame() : welcome.cmdExit.click();
        EXPECT_TRUE(game.quitRequested);
        EXPECT_FALSE(welcome.loaded());
        EXPECT_TRUE(folder.names().empty());
    }
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace quintel
