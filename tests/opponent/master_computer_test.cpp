#include "opponent/master_computer.h"

#include "opponent/master_learning.h"
#include "players.h"
#include "testing/solved_data.h"

#include <gtest/gtest.h>

#include <vector>

namespace quintel {
namespace {

// Plays `games` games at a table of their own, the scripted bluffer at the player's seat opening
// `starter`'s games; returns every game's calls.
std::vector<std::vector<match::CallRecord>> play(match::Player& computer, int games,
                                                 match::MatchListener* listener = nullptr,
                                                 Seat starter = Seat::Human) {
    RandomSource random(7);
    match::Match table({}, random);
    if (listener != nullptr) {
        table.addListener(*listener);
    }
    arena::ScriptedPlayer player(arena::Policy::Bluffer, 11);
    std::vector<std::vector<match::CallRecord>> calls;
    for (int game = 0; game < games; ++game) {
        table.startGame(starter);
        while (table.inPlay()) {
            match::Player& mover = table.toMove() == Seat::Human ? player : computer;
            EXPECT_FALSE(table.apply(mover.decide(table.viewFor(table.toMove()))));
        }
        calls.push_back(table.calls());
    }
    return calls;
}

class MasterComputerTest : public ::testing::Test {
protected:
    void SetUp() override {
        solved = testing::storedSolve({});
        if (!solved) {
            GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
        }
    }
    std::shared_ptr<const solver::SolvedGame> solved;
    RandomSource random{3};
    match::NoNotes notes;
};

// Having learnt nothing, it makes the Expert's every move from the same draws.
TEST_F(MasterComputerTest, PlaysAsTheExpertUntilItLearns) {
    ExpertComputer expert(solved, random, notes);
    const auto expertGames = play(expert, 40);
    RandomSource again(3);
    MasterComputer master(solved, again, notes);
    EXPECT_EQ(play(master, 40), expertGames);
}

// Each game the player opened is counted once it is decided, and the Master then answers the
// bluffer's opening calls otherwise than the Expert; a game the computer opened teaches nothing.
TEST_F(MasterComputerTest, LearnsThePlayerFromEachDecidedGame) {
    MasterComputer master(solved, random, notes);
    long long told = 0;
    MasterLearning learning(master,
                            [&](const solver::PlayerModel& model) { told = model.games(); });
    // Fewer games than it takes to weigh positions by the belief, a pass of some seconds (and of
    // a minute under the sanitizers).
    constexpr int kGames = 24;
    static_assert(kGames < MasterComputer::kFirstBelief);
    play(master, kGames, &learning);
    EXPECT_EQ(master.model().games(), kGames);
    EXPECT_EQ(told, kGames);
    const int none = solved->tables().sets().empty();
    const ExpertPolicy expert(solved);
    EXPECT_NE(master.master().stageTrust(-1, none), expert.stageTrust(-1, none)->trust);
    EXPECT_GT(master.master().stagesAnswered(), 0U);

    play(master, 3, &learning, Seat::Computer);
    EXPECT_EQ(master.model().games(), kGames);
}

} // namespace
} // namespace quintel
