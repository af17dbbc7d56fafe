#include "records/model_from_record.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

GameRecord recorded(std::vector<RecordedCall> calls, std::vector<std::string> thrown) {
    GameRecord game;
    game.calls = std::move(calls);
    game.thrownBeforeCall = std::move(thrown);
    return game;
}

// Each call's dice follow from the dice kept and thrown before it: the hands the computer saw,
// the player's keeps, and its answers, read off the record.
TEST(ModelFromRecord, ReadsWhatTheComputerSawOfThePlayer) {
    const solver::GameTables tables(solver::kRealGame, {.fixPermanent = true});
    auto set = [&](const char* digits) { return tables.sets().indexOf(countFaceDigits(digits)); };
    auto call = [&](const char* digits) { return tables.callOfSet(set(digits)); };
    // The player threw 61121 and called it; the computer kept 1116, threw a 5 and called 11165;
    // the player kept the locked 1116, threw a 5 and called 22233.
    const auto seen = observationsOf(recorded({{Seat::Human, "11162", ""},
                                               {Seat::Computer, "11165", "1116"},
                                               {Seat::Human, "22233", "1116"}},
                                              {"61121", "5", "5"}),
                                     tables);
    ASSERT_TRUE(seen);
    ASSERT_EQ(seen->calls.size(), 2U);
    EXPECT_EQ(seen->calls[0].lastCall, -1);
    EXPECT_EQ(seen->calls[0].hand, set("11162"));
    EXPECT_EQ(seen->calls[1].lastCall, call("11165"));
    EXPECT_EQ(seen->calls[1].kept, set("1116"));
    EXPECT_EQ(seen->calls[1].hand, set("11165"));
    EXPECT_EQ(seen->calls[1].call, call("22233"));
    ASSERT_EQ(seen->answers.size(), 1U);
    EXPECT_TRUE(seen->answers[0].trusted);
    EXPECT_EQ(seen->answers[0].kept, set("1116"));
    ASSERT_EQ(seen->keeps.size(), 1U);
    EXPECT_EQ(seen->keeps[0].hand, set("11165"));
    EXPECT_EQ(seen->keeps[0].locked, set("1116"));
    EXPECT_EQ(seen->keeps[0].choice, solver::SolvedGame::kKeepFlag | set("1116"));

    // A call without a throw is a call at once on the dice taken over; the last call was not
    // trusted.
    const solver::GameTables none(solver::kRealGame, {});
    const auto atOnce = observationsOf(recorded({{Seat::Human, "22", ""},
                                                 {Seat::Computer, "33", ""},
                                                 {Seat::Human, "44", ""},
                                                 {Seat::Computer, "55", ""}},
                                                {"22345", "33456", "", "55612"}),
                                       none);
    ASSERT_TRUE(atOnce);
    EXPECT_EQ(atOnce->calls.size(), 1U);
    ASSERT_EQ(atOnce->keeps.size(), 1U);
    EXPECT_EQ(atOnce->keeps[0].hand, none.sets().indexOf(countFaceDigits("33456")));
    EXPECT_EQ(atOnce->keeps[0].choice, none.callOfSet(none.sets().indexOf(countFaceDigits("44"))));
    ASSERT_EQ(atOnce->answers.size(), 2U);
    EXPECT_TRUE(atOnce->answers[0].trusted);
    EXPECT_FALSE(atOnce->answers[1].trusted);

    // A record without the thrown dice, or whose calls do not rise, says nothing.
    EXPECT_FALSE(observationsOf(recorded({{Seat::Human, "22", ""}}, {}), none));
    EXPECT_FALSE(observationsOf(
        recorded({{Seat::Human, "33", ""}, {Seat::Computer, "22", ""}}, {"33456", "22345"}), none));
}

} // namespace
} // namespace quintel
