#include "app/computer_seats.h"

#include "app/game.h"
#include "opponent/classic_computer.h"
#include "opponent/expert_computer.h"
#include "opponent/master_computer.h"
#include "players.h"
#include "records/player_files.h"
#include "solver/data_file.h"
#include "testing/scripted_message_boxes.h"
#include "testing/solved_data.h"
#include "testing/table_fixture.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

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
    EXPECT_NE(dynamic_cast<ClassicComputer*>(game.computer), nullptr);
    EXPECT_EQ(game.opponentName, "classic");
    EXPECT_EQ(history(), "Ann HISTORY\r\n\r\n\r\n");
}

// Missing, damaged, not a file, too large, claiming a huge payload, or a solve of a reduced
// variant: each is told in one box, and the sign-in goes on with the classic computer.
TEST_F(SeatsAtSignIn, AnExpertWithoutItsSolvedGameIsToldAndTheClassicComputerPlays) {
    const std::filesystem::path file = solved.path() / "none.qsolved";
    const auto replace = [&](const std::function<void()>& make) {
        return [&, make] {
            std::filesystem::remove_all(file);
            make();
        };
    };
    const std::string reduced =
        solver::dataFileBytes(solver::SolvedGame::solve({2, 2}, {}), 1e-9, "test");
    std::string claimsMuch = reduced;
    claimsMuch.replace(claimsMuch.find("faces=2 dice=2"), 14, "faces=6 dice=5");
    const std::size_t size = claimsMuch.find(" size=") + 6;
    claimsMuch.replace(size, claimsMuch.find(' ', size) - size, "5000000000");
    const std::vector<std::pair<std::function<void()>, std::string>> cases{
        {[] {}, "cannot be read"},
        {replace([&] { std::ofstream(file) << "quintel-solved 1 nothing more\n"; }), "format 1"},
        {replace([&] { std::filesystem::create_directory(file); }), "is a folder"},
        {replace([&] { ::mkfifo(file.c_str(), 0644); }), "is not a regular file"},
        {replace([&] {
             std::ofstream{file};
             std::filesystem::resize_file(file, std::uintmax_t{4} << 30);
         }),
         "more than the 64 MB"},
        {replace([&] { std::ofstream(file, std::ios::binary) << claimsMuch; }), "is damaged"},
        {replace([&] { std::ofstream(file, std::ios::binary) << reduced; }),
         "holds a game of 2 dice of 2 faces, not of the game's 5 dice of 6 faces"},
    };
    for (const auto& [make, why] : cases) {
        make();
        boxes.clear();
        signIn(Opponent::Expert);
        ASSERT_EQ(boxes.shown.size(), 1U) << why;
        const std::string& told = boxes.shown[0].text;
        EXPECT_TRUE(told.starts_with("The Expert cannot play: " + file.string())) << told;
        EXPECT_TRUE(told.ends_with(". The classic computer plays instead.")) << told;
        EXPECT_NE(told.find(why), std::string::npos) << told;
        EXPECT_NE(dynamic_cast<ClassicComputer*>(game.computer), nullptr);
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
    EXPECT_NE(dynamic_cast<ExpertComputer*>(game.computer), nullptr);
    EXPECT_EQ(game.opponentName, "expert");
    EXPECT_EQ(history(), "Ann HISTORY\r\n\r\nOpponent : Expert\r\n\r\n");
}

// Signs Ann in against the Master at a fresh game over `folder` and plays `games` games with the
// bluffer; returns the model the Master holds then.
std::string playTheMaster(const std::filesystem::path& folder, const std::filesystem::path& solved,
                          int games, long long& gamesKnownAtSignIn) {
    ScriptedMessageBoxes boxes;
    RandomSource random{5};
    Game game{folder, boxes, random};
    ComputerSeats seats{solved};
    game.seats = &seats;
    EXPECT_TRUE(game.signIn({"Ann", false, false, Opponent::Master}));
    EXPECT_EQ(game.opponentName, "master");
    auto* master = dynamic_cast<MasterComputer*>(game.computer);
    if (master == nullptr) {
        ADD_FAILURE() << "the Master was not seated";
        return {};
    }
    gamesKnownAtSignIn = master->model().games();
    arena::ScriptedPlayer player(arena::Policy::Bluffer, 9);
    for (int k = 0; k < games; ++k) {
        game.startGame();
        while (game.match.inPlay()) {
            EXPECT_FALSE(game.play(player.decide(game.match.viewFor(Seat::Human))));
        }
    }
    game.endStay();
    EXPECT_EQ(master->model().games(), gamesKnownAtSignIn + games);
    return master->model().serialise();
}

// The Master learns from the games at the table, finds what it learnt at the next sign-in (a new
// run over the same folder), and starts again from nothing when the profile does.
TEST_F(SeatsAtSignIn, TheMasterKeepsWhatItLearntOfThePlayerUntilTheProfileStartsAgain) {
    if (!testing::storedSolve({})) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    std::filesystem::copy_file(std::filesystem::path(QUINTEL_SOLVED_DATA) / "none.qsolved",
                               solved.path() / "none.qsolved");
    long long known = -1;
    const std::string learnt = playTheMaster(folder.path(), solved.path(), 4, known);
    EXPECT_EQ(known, 0);
    const std::string more = playTheMaster(folder.path(), solved.path(), 2, known);
    EXPECT_EQ(known, 4);
    EXPECT_NE(more, learnt);

    std::filesystem::remove(profilePath(folder.path(), "Ann"));
    playTheMaster(folder.path(), solved.path(), 1, known);
    EXPECT_EQ(known, 0);
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
