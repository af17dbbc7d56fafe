#include "app/game.h"
#include "records/player_files.h"
#include "testing/scripted_message_boxes.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace quintel {
namespace {

using Names = std::set<std::string>;

class SignIn : public ::testing::Test {
protected:
    TempFolder folder;
    ScriptedMessageBoxes boxes;
    RandomSource random{11};
    Game game{folder.path(), boxes, random};

    void signIn(std::string_view name, bool fixAny = false, bool fixPermanent = false) {
        game.start();
        game.formWelcome.txtName.edited(std::string(name));
        // The boxes offer the last sign-in's options, so each is set rather than toggled.
        game.formWelcome.Check1.value = fixAny;
        game.formWelcome.Check2.value = fixPermanent;
        game.formWelcome.btnOK.click();
    }

    // Back to the welcome screen as the table does when the player stops.
    void stop() {
        game.history.close();
        game.formStart.Unload();
    }

    void expectRefused(std::string_view why) {
        ASSERT_EQ(boxes.shown.size(), 1U) << why;
        EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok) << why;
        EXPECT_TRUE(game.formWelcome.shown()) << why;
        EXPECT_FALSE(game.formStart.loaded()) << why;
        EXPECT_FALSE(game.history.isOpen()) << why;
        EXPECT_EQ(game.playerName(), "") << why;
        boxes.clear();
    }
};

TEST_F(SignIn, SeatsBothPlayersWritesTheHistoryHeaderAndOpensTheTable) {
    game.firstTurnMode = 1;
    game.profile.counts.fill(5);
    signIn("Ann");
    EXPECT_EQ(game.firstTurnMode, 0);
    EXPECT_EQ(game.logs.names[0], "Ann");
    EXPECT_EQ(game.logs.names[1], "AI");
    EXPECT_EQ(game.profile.counts, ProfileCounters{});
    EXPECT_FALSE(game.formWelcome.loaded());
    EXPECT_TRUE(game.formStart.shown());
    EXPECT_EQ(game.formStart.Label5.caption, "");
    EXPECT_EQ(folder.read("Ann_0.txt"), "Ann HISTORY\r\n\r\n\r\n");
    EXPECT_EQ(folder.names(), Names{"Ann_0.txt"}); // the profile waits for the first save
    EXPECT_TRUE(game.history.isOpen());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SignIn, EachOptionGoesToItsFlagTheHistoryAndTheTableLabel) {
    struct Case {
        bool fixAny, fixPermanent;
        std::string_view text;
    };
    int number = 0;
    for (const Case c : {Case{true, false, "Fix Any"}, Case{false, true, "Fix Permanent"},
                         Case{true, true, "Fix Any + Fix Permanent"}}) {
        signIn("Ann", c.fixAny, c.fixPermanent);
        EXPECT_EQ(game.match.options().fixAny, c.fixAny) << c.text;
        EXPECT_EQ(game.match.options().fixPermanent, c.fixPermanent) << c.text;
        EXPECT_EQ(game.formStart.Label5.caption, c.text);
        const std::string file = "Ann_" + std::to_string(number++) + ".txt";
        EXPECT_EQ(folder.read(file), "Ann HISTORY\r\n" + std::string(c.text) + "\r\n\r\n");
        stop();
    }
}

TEST_F(SignIn, ASecondSignInTakesTheNextHistoryFileAndReloadsTheProfile) {
    signIn("Ann");
    stop();
    game.profile.counts = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    game.profile.scores = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5};
    game.SaveProfile();
    game.profile.counts.fill(99);
    game.profile.scores.fill(99);
    signIn("Ann");
    EXPECT_EQ(folder.names(),
              (Names{"Ann_0.txt", "Ann_1.txt", "AnnProfile.txt", ".quintel-profile.lock"}));
    EXPECT_EQ(game.profile.counts, (ProfileCounters{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 99}));
    EXPECT_EQ(game.profile.scores, (ProfileCounters{0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 99}));
    stop();
    signIn("Bob");
    EXPECT_EQ(game.logs.names[0], "Bob");
    EXPECT_EQ(game.profile.counts, ProfileCounters{});
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SignIn, ADamagedProfileIsReportedOnceAndPlayGoesOn) {
    folder.write("AnnProfile.txt", "3\t1\r\n3\tone\r\n");
    signIn("Ann");
    ASSERT_EQ(boxes.shown.size(), 1U);
    EXPECT_EQ(boxes.shown[0].text,
              "Your profile is damaged: line 2 is not two numbers from 0 to 32767 separated by a "
              "TAB. The lines that could be read are used; the others start at 0. The damaged "
              "file was kept as AnnProfile.txt.damaged-0.");
    EXPECT_EQ(game.profile.counts[0], 3);
    EXPECT_EQ(game.profile.scores[1], 0);
    EXPECT_TRUE(game.formStart.shown());
    EXPECT_EQ(folder.read("AnnProfile.txt.damaged-0"), "3\t1\r\n3\tone\r\n");
}

TEST_F(SignIn, RemovesWhatASaveCutShortByAKillLeftBehind) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    const std::string leftover = ".quintel-profile-" + std::to_string(child) + "-0.tmp";
    folder.write(leftover, "0\t0\r\n");
    signIn("Ann");
    EXPECT_TRUE(game.formStart.shown());
    EXPECT_EQ(folder.names(), Names{"Ann_0.txt"});
}

TEST_F(SignIn, AnUnsafeNameIsRefusedWithNothingCreated) {
    for (const std::string_view name : {"../Ann", "..", "Ann\n"}) {
        signIn(name);
        expectRefused(name);
    }
    signIn(std::string(kLongestNameBytes + 1, 'n'));
    expectRefused("too long");
    EXPECT_EQ(folder.names(), Names{});
    // The player types another name and goes on.
    game.formWelcome.txtName.edited("Ann");
    game.formWelcome.btnOK.click();
    EXPECT_TRUE(game.formStart.shown());
}

TEST(SignInFolder, AFolderThatCannotBeWrittenIsRefusedWithNothingCreated) {
    TempFolder folder;
    folder.write("plain", "not a folder");
    ScriptedMessageBoxes boxes;
    RandomSource random{3};
    Game game(folder / "plain", boxes, random);
    game.start();
    game.formWelcome.txtName.edited("Ann");
    game.formWelcome.btnOK.click();
    ASSERT_EQ(boxes.shown.size(), 1U);
    EXPECT_NE(boxes.shown[0].text.find("cannot save files"), std::string::npos);
    EXPECT_TRUE(game.formWelcome.shown());
    EXPECT_FALSE(game.formStart.loaded());
    EXPECT_FALSE(game.history.isOpen());
    EXPECT_EQ(folder.names(), Names{"plain"});
}

TEST_F(SignIn, TheEmptyNameIsAPlayerLikeAnyOther) {
    signIn("");
    EXPECT_EQ(folder.read("_0.txt"), " HISTORY\r\n\r\n\r\n");
    EXPECT_EQ(game.logs.names[0], "");
    EXPECT_TRUE(game.formStart.shown());
    game.SaveProfile();
    EXPECT_EQ(folder.names(), (Names{"_0.txt", "Profile.txt", ".quintel-profile.lock"}));
}

} // namespace
} // namespace quintel
