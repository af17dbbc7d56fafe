#include "app/computer_seats.h"

#include "app/game.h"
#include "opponent/expert_opponent.h"
#include "testing/scripted_message_boxes.h"
#include "testing/solved_data.h"
#include "testing/table_fixture.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quintel {
namespace {

using testing::fileBytes;

class SeatsAtSignIn : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder solved;
    ScriptedMessageBoxes boxes;
    RandomSource random{3};
    Game game{folder.path(), boxes, random};
    ComputerSeats seats{solved.path()};

    SeatsAtSignIn() { game.seats = &seats; }

    void signIn(Opponent opponent) {
        game.start();
        game.formWelcome.txtName.edited("Ann");
        (opponent == Opponent::Expert ? game.formWelcome.optExpert : game.formWelcome.optClassic)
            .click();
        game.formWelcome.btnOK.click();
        ASSERT_TRUE(game.formStart.shown());
    }

    std::string history() {
        game.history.close();
        return fileBytes(folder.path() / "Ann_0.txt");
    }
};

TEST_F(SeatsAtSignIn, TheClassicComputerLeavesTheHistoryHeaderAsItWas) {
    signIn(Opponent::Classic);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_NE(dynamic_cast<ComputerOpponent*>(game.computer), nullptr);
    EXPECT_EQ(game.opponentName, "classic");
    EXPECT_EQ(history(), "Ann HISTORY\r\n\r\n\r\n");
}

TEST_F(SeatsAtSignIn, AnExpertWithoutItsSolvedGameIsToldAndTheClassicComputerPlays) {
    // Missing, then damaged.
    for (const bool damaged : {false, true}) {
        if (damaged) {
            std::ofstream(solved.path() / "none.qsolved") << "quintel-solved 1 nothing more\n";
        }
        boxes.clear();
        signIn(Opponent::Expert);
        ASSERT_EQ(boxes.shown.size(), 1U);
        EXPECT_TRUE(boxes.shown[0].text.starts_with("The Expert cannot play: "))
            << boxes.shown[0].text;
        EXPECT_TRUE(boxes.shown[0].text.ends_with(". The classic computer plays instead."));
        EXPECT_NE(boxes.shown[0].text.find("none.qsolved"), std::string::npos);
        EXPECT_NE(dynamic_cast<ComputerOpponent*>(game.computer), nullptr);
        EXPECT_EQ(game.opponentName, "classic");
        game.history.close();
        game.formStart.Unload();
    }
    EXPECT_EQ(fileBytes(folder.path() / "Ann_1.txt"), "Ann HISTORY\r\n\r\n\r\n");
}

TEST_F(SeatsAtSignIn, TheExpertIsNamedOnTheLineAfterTheOptions) {
    if (!testing::storedSolve({})) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    std::filesystem::copy_file(std::filesystem::path(QUINTEL_SOLVED_DATA) / "none.qsolved",
                               solved.path() / "none.qsolved");
    signIn(Opponent::Expert);
    EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().text;
    EXPECT_NE(dynamic_cast<ExpertOpponent*>(game.computer), nullptr);
    EXPECT_EQ(game.opponentName, "expert");
    EXPECT_EQ(history(), "Ann HISTORY\r\n\r\nOpponent : Expert\r\n\r\n");
}

TEST(SolvedDataFolder, AnInstalledProgramReadsItsInstalledCopyAndABuiltOneTheCopyBesideIt) {
    TempFolder prefix;
    const std::filesystem::path bin = prefix.path() / "bin";
    std::filesystem::create_directories(bin);
    EXPECT_EQ(solvedDataFolder(bin), bin / "share" / "quintel" / "solved")
        << "nothing installed: beside the program, where a message will name it";
    std::filesystem::create_directories(prefix.path() / "share" / "quintel" / "solved");
    EXPECT_EQ(solvedDataFolder(bin), prefix.path() / "share" / "quintel" / "solved");
    // A build folder, wherever it was moved: its own copy, never the source tree's.
    const std::filesystem::path moved = prefix.path() / "elsewhere" / "build";
    EXPECT_EQ(solvedDataFolder(moved), moved / "share" / "quintel" / "solved");
}

} // namespace
} // namespace quintel
