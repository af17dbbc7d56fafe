#include "arena.h"
#include "arena_arguments.h"

#include "app/game.h"
#include "opponent/engine/engine.h"
#include "records/player_files.h"
#include "testing/table_fixture.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

namespace quintel::arena {
namespace {

ParsedArguments parse(std::vector<std::string_view> words) {
    return parseArguments(words);
}

std::string errorOf(const ParsedArguments& parsed) {
    const auto* error = std::get_if<ArgumentError>(&parsed);
    return error != nullptr ? error->message : "no error";
}

TEST(ArenaArguments, ReadsARunAndRefusesAnythingElse) {
    const ParsedArguments good = parse({"--games", "30", "--seed", "5", "--options", "perm",
                                        "--policy", "bluffer", "--data", "/tmp/x"});
    ASSERT_TRUE(std::holds_alternative<ArenaConfig>(good)) << errorOf(good);
    const ArenaConfig& config = std::get<ArenaConfig>(good);
    EXPECT_EQ(config.games, 30);
    EXPECT_EQ(config.seed, 5u);
    EXPECT_FALSE(config.options.fixAny);
    EXPECT_TRUE(config.options.fixPermanent);
    EXPECT_EQ(config.policy, Policy::Bluffer);
    EXPECT_EQ(config.dataFolder, "/tmp/x");

    EXPECT_TRUE(std::holds_alternative<HelpRequested>(parse({"--games", "3", "--help"})));
    const std::vector<std::string_view> base{"--seed", "1",        "--options",
                                             "none",   "--policy", "honest"};
    auto with = [&](std::vector<std::string_view> extra) {
        std::vector<std::string_view> words = base;
        words.insert(words.end(), extra.begin(), extra.end());
        return errorOf(parse(words));
    };
    EXPECT_EQ(with({}), "missing --games");
    EXPECT_EQ(with({"--games", "0"}), "bad --games '0': a whole number of at least 1");
    EXPECT_EQ(with({"--games", "12x"}), "bad --games '12x': a whole number of at least 1");
    EXPECT_EQ(with({"--games", "2", "--games", "3"}), "--games given twice");
    EXPECT_EQ(with({"--games", "2", "--speed", "3"}), "unknown argument '--speed'");
    EXPECT_EQ(with({"--games"}), "--games needs a value");
    EXPECT_EQ(
        errorOf(parse({"--games", "1", "--seed", "1", "--options", "some", "--policy", "honest"})),
        "bad --options 'some': none, any, perm or both");
}

TEST(ArenaArguments, NameTheBestResponseAndTheTwoComputers) {
    const ParsedArguments good = parse({"--games", "3", "--seed", "1", "--options", "any",
                                        "--policy", "best-response", "--computer", "classic"});
    ASSERT_TRUE(std::holds_alternative<ArenaConfig>(good)) << errorOf(good);
    EXPECT_EQ(std::get<ArenaConfig>(good).policy, Policy::BestResponse);
    EXPECT_EQ(std::get<ArenaConfig>(good).computerName, "classic");
    const std::vector<std::string_view> base{"--games",   "3",    "--seed",   "1",
                                             "--options", "none", "--policy", "honest"};
    auto with = [&](std::string_view computer) {
        std::vector<std::string_view> words = base;
        words.insert(words.end(), {"--computer", computer});
        return errorOf(parse(words));
    };
    EXPECT_EQ(with("expert"), "no error");
    EXPECT_EQ(with("grand"), "bad --computer 'grand': classic or expert");
    std::vector<std::string_view> expert = base;
    expert.insert(expert.end(), {"--computer", "expert", "--solved", "/some/folder"});
    const ParsedArguments parsed = parse(expert);
    ASSERT_TRUE(std::holds_alternative<ArenaConfig>(parsed)) << errorOf(parsed);
    EXPECT_EQ(std::get<ArenaConfig>(parsed).computerName, "expert");
    EXPECT_EQ(std::get<ArenaConfig>(parsed).solvedFolder, "/some/folder");
    EXPECT_EQ(std::get<ArenaConfig>(parse(base)).solvedFolder, QUINTEL_SOLVED_DATA);
}

TEST(WilsonInterval, MatchesKnownIntervals) {
    const Interval half = wilsonInterval(50, 100);
    EXPECT_NEAR(half.low, 0.4038, 1e-4);
    EXPECT_NEAR(half.high, 0.5962, 1e-4);
    const Interval none = wilsonInterval(0, 10);
    EXPECT_EQ(none.low, 0.0);
    EXPECT_NEAR(none.high, 0.2775, 1e-4);
    const Interval all = wilsonInterval(10, 10);
    EXPECT_NEAR(all.low, 0.7225, 1e-4);
    EXPECT_NEAR(all.high, 1.0, 1e-12);
}

TEST(HumanSeat, KnowsHowLikelyTheComputersCallIs) {
    EXPECT_NEAR(chanceCallHolds("", "66"), 1.0 - 3125.0 / 7776 - 3125.0 / 7776, 1e-12);
    EXPECT_EQ(chanceCallHolds("6", "66"), 671.0 / 1296);
    EXPECT_EQ(chanceCallHolds("66", "66"), 1.0);
    EXPECT_EQ(chanceCallHolds("55555", "6"), 0.0);
    // Where the kept dice do not hold the call yet, the engine counts the same throws.
    const Form1 engine;
    for (const auto& [fix, call] : {std::pair{"5", "55432"}, {"", "22"}, {"13", "1134"}}) {
        EXPECT_NEAR(chanceCallHolds(fix, call), engine.Prob2(fix, call).value(), 1e-12)
            << fix << " " << call;
    }
}

TEST(Arena, PlaysCompleteGamesUnderEveryOptionSet) {
    for (const EngineOptions options : {EngineOptions{false, false}, EngineOptions{true, false},
                                        EngineOptions{false, true}, EngineOptions{true, true}}) {
        ArenaConfig config;
        config.games = 40;
        config.seed = 3;
        config.options = options;
        const ArenaReport report = runArena(config);
        EXPECT_TRUE(report.faults.empty()) << ::testing::PrintToString(report.faults);
        EXPECT_EQ(report.games, 40);
        EXPECT_EQ(report.humanWins + report.computerWins, 40);
        EXPECT_GE(report.calls, 40);
    }
}

TEST(Arena, KeepsThePlayersFilesInTheGivenFolder) {
    TempFolder folder;
    ArenaConfig config;
    config.games = 3;
    config.policy = Policy::Cautious;
    config.dataFolder = folder.path();
    ASSERT_TRUE(runArena(config).faults.empty());
    EXPECT_EQ(folder.names(), (std::set<std::string>{"ArenaProfile.txt", "Arena_0.txt",
                                                     "record.sqlite", ".quintel-profile.lock"}));
    const std::string history = folder.read("Arena_0.txt");
    EXPECT_EQ(history.rfind("Arena HISTORY\r\n\r\n\r\nCOMPUTER AI : ", 0), 0u) << history;
}

// A game signed in before an arena run on the same folder, saving its profile after it, adds what
// its own stay changed to the run's profile instead of writing over it.
class GameAndArena : public testing::TableTest {};

constexpr std::string_view kArenaPlayer = "Arena"; // whom the arena signs in

TEST_F(GameAndArena, AGameSavingAfterARunKeepsWhatTheRunLearnt) {
    signIn(false, false, std::string(kArenaPlayer));
    ArenaConfig config;
    config.games = 30;
    config.policy = Policy::Bluffer;
    config.dataFolder = folder.path();
    const ArenaReport report = runArena(config);
    ASSERT_TRUE(report.faults.empty() && report.writeFailures.empty());
    ProfileSnapshot expected = storedProfile(folder.path(), kArenaPlayer);
    ASSERT_GT(std::accumulate(expected.counts.begin(), expected.counts.end(), 0), 0);

    state.ProfileCount[3] += 2;
    state.ProfileScore[3] += 1;
    game.SaveProfile();
    expected.counts[3] += 2;
    expected.scores[3] += 1;
    const ProfileSnapshot saved = storedProfile(folder.path(), kArenaPlayer);
    EXPECT_EQ(saved.counts, expected.counts);
    EXPECT_EQ(saved.scores, expected.scores);
}

// A computer seat that breaks the rules in the way it is told, then challenges.
class CheatingComputer : public ComputerPlayer {
public:
    using Cheat = std::function<void(Game&, HandedCall&)>;
    explicit CheatingComputer(Cheat cheat) : cheat_(std::move(cheat)) {}

    void Computer_AI(Game& game) override {
        if (answered_) {
            answered_ = false;
            game.formStart.computerChallenges();
            return;
        }
        answered_ = true;
        HandedCall handed{"22222", {2, 0, 0, 0, 0}, 1, {}};
        cheat_(game, handed);
        game.formStart.computerCalls(handed);
    }

private:
    Cheat cheat_;
    bool answered_ = false;
};

std::vector<std::string> faultsWith(CheatingComputer::Cheat cheat) {
    CheatingComputer cheater(std::move(cheat));
    ArenaConfig config;
    config.games = 20;
    config.policy = Policy::Cautious;
    config.computer = &cheater;
    return runArena(config).faults;
}

bool mentions(const std::vector<std::string>& faults, std::string_view text) {
    return std::any_of(faults.begin(), faults.end(), [&](const std::string& fault) {
        return fault.find(text) != std::string::npos;
    });
}

TEST(Arena, CatchesAComputerThatBreaksTheRules) {
    // The cheater answers every call with a single two, which beats nothing.
    EXPECT_TRUE(mentions(faultsWith([](Game&, HandedCall&) {}), "the call 2 does not beat"));
    EXPECT_TRUE(mentions(faultsWith([](Game&, HandedCall& handed) { handed.dice = "72222"; }),
                         "handed over the dice '72222'"));
    EXPECT_TRUE(
        mentions(faultsWith([](Game& game, HandedCall&) { game.state.ProfileScore[4] = 99; }),
                 "profile bucket 4 holds 99 of"));
}

} // namespace
} // namespace quintel::arena
