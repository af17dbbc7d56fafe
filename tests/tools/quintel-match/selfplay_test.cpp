#include "arena.h"
#include "arena_arguments.h"

#include "app/game.h"
#include "opponent/engine/engine.h"
#include "records/player_files.h"
#include "testing/table_fixture.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <utility>

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
    ASSERT_TRUE(std::holds_alternative<RunRequest>(good)) << errorOf(good);
    const ArenaConfig& config = std::get<RunRequest>(good).config;
    EXPECT_EQ(config.games, 30);
    EXPECT_EQ(config.seed, 5u);
    EXPECT_FALSE(config.options.fixAny);
    EXPECT_TRUE(config.options.fixPermanent);
    EXPECT_EQ(config.policy(), Policy::Bluffer);
    EXPECT_EQ(config.dataFolder, "/tmp/x");
    EXPECT_FALSE(config.throughScreens);

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
    EXPECT_EQ(with({"--games", "2", "--human", "honest"}),
              "--policy and --human name the same seat: give one");
    EXPECT_EQ(with({"--games", "2", "--jobs", "2", "--data", "/tmp/x"}),
              "--jobs over 1 plays in folders of its own: give no --data");
    EXPECT_EQ(with({"--games", "2", "--jobs", "2", "--leaks"}),
              "--leaks reads the player's seat in one run: give no --jobs");
    EXPECT_EQ(
        errorOf(parse({"--games", "1", "--seed", "1", "--options", "none", "--human", "master"})),
        "the Master learns the player: it plays the computer's seat");
    EXPECT_EQ(with({"--games", "2", "--master-risk", "0.05"}),
              "--master-risk is the Master's: give --computer master");
    EXPECT_EQ(with({"--games", "2", "--computer", "master", "--master-risk", "1.5"}),
              "bad --master-risk '1.5': a number from 0 to 1");
    EXPECT_EQ(with({"--games", "2", "--computer", "master", "--master-risk", "nan"}),
              "bad --master-risk 'nan': a number from 0 to 1");
    EXPECT_EQ(with({"--games", "2", "--jobs", "0"}), "bad --jobs '0': a whole number from 1 to 64");
    EXPECT_EQ(with({"--games", "2", "--move-time", "0"}),
              "bad --move-time '0': milliseconds, at least 1");
    EXPECT_EQ(errorOf(parse({"--games", "1", "--seed", "1", "--options", "none"})),
              "missing --human");
    EXPECT_EQ(
        errorOf(parse({"--games", "1", "--seed", "1", "--options", "some", "--policy", "honest"})),
        "bad --options 'some': none, any, perm or both");
}

TEST(ArenaArguments, NameAnyPlayerForEitherSeat) {
    const ParsedArguments good = parse({"--games", "3", "--seed", "1", "--options", "any",
                                        "--policy", "best-response", "--computer", "classic"});
    ASSERT_TRUE(std::holds_alternative<RunRequest>(good)) << errorOf(good);
    EXPECT_EQ(std::get<RunRequest>(good).config.policy(), Policy::BestResponse);
    EXPECT_EQ(std::get<RunRequest>(good).config.computerName, "classic");
    const ParsedArguments engines =
        parse({"--games", "3", "--seed", "1", "--options", "none", "--human", "expert",
               "--computer", "engine:./bot --fast", "--through-screens", "--jobs", "2",
               "--games-out", "games.txt", "--move-time", "250"});
    ASSERT_TRUE(std::holds_alternative<RunRequest>(engines)) << errorOf(engines);
    const RunRequest& request = std::get<RunRequest>(engines);
    EXPECT_EQ(request.config.human, "expert");
    EXPECT_EQ(request.config.computerName, "engine:./bot --fast");
    EXPECT_TRUE(request.config.throughScreens);
    EXPECT_EQ(request.jobs, 2);
    EXPECT_EQ(request.gamesOut, "games.txt");
    EXPECT_EQ(request.config.moveTime, std::chrono::milliseconds(250));
    const std::vector<std::string_view> base{"--games",   "3",    "--seed",   "1",
                                             "--options", "none", "--policy", "honest"};
    auto with = [&](std::string_view computer) {
        std::vector<std::string_view> words = base;
        words.insert(words.end(), {"--computer", computer});
        return errorOf(parse(words));
    };
    EXPECT_EQ(with("expert"), "no error");
    EXPECT_EQ(with("master"), "no error");
    EXPECT_EQ(with("grand"), "bad --computer 'grand': classic, expert, master, honest, bluffer, "
                             "cautious, best-response, coach or engine:COMMAND");
    EXPECT_EQ(with("engine:"), "bad --computer 'engine:': classic, expert, master, honest, "
                               "bluffer, cautious, best-response, coach or engine:COMMAND");
    EXPECT_EQ(with("best-response"), "the best response plays the player's seat");
    EXPECT_EQ(with("coach"), "the coach's follower plays the player's seat");
    std::vector<std::string_view> expert = base;
    expert.insert(expert.end(), {"--computer", "expert", "--solved", "/some/folder"});
    const ParsedArguments parsed = parse(expert);
    ASSERT_TRUE(std::holds_alternative<RunRequest>(parsed)) << errorOf(parsed);
    EXPECT_EQ(std::get<RunRequest>(parsed).config.computerName, "expert");
    EXPECT_EQ(std::get<RunRequest>(parsed).config.solvedFolder, "/some/folder");
    EXPECT_EQ(std::get<RunRequest>(parse(base)).config.solvedFolder, QUINTEL_SOLVED_DATA);
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

// The chance that the dice hold the call, counted over every throw of the dice not kept.
double enumeratedChance(std::string_view fix, std::string_view call) {
    const FaceCounts needed = countFaceDigits(call);
    const int thrown = kDiceCount - static_cast<int>(fix.size());
    int throws = 1;
    for (int i = 0; i < thrown; ++i) {
        throws *= kFaces;
    }
    int holding = 0;
    for (int code = 0; code < throws; ++code) {
        FaceCounts counts = countFaceDigits(fix);
        for (int i = 0, rest = code; i < thrown; ++i, rest /= kFaces) {
            ++counts[static_cast<std::size_t>(rest % kFaces + 1)];
        }
        holding += covers(counts, needed) ? 1 : 0;
    }
    return static_cast<double>(holding) / throws;
}

TEST(ScriptedPlayer, KnowsHowLikelyTheComputersCallIs) {
    EXPECT_NEAR(chanceCallHolds("", "66"), 1.0 - 3125.0 / 7776 - 3125.0 / 7776, 1e-12);
    EXPECT_EQ(chanceCallHolds("6", "66"), 671.0 / 1296);
    EXPECT_EQ(chanceCallHolds("66", "66"), 1.0);
    EXPECT_EQ(chanceCallHolds("55555", "6"), 0.0);
    // The same figures, to the last bit, as counting every throw: the scripts' play rests on them.
    for (const auto& [fix, call] : {std::pair{"5", "55432"},
                                    {"", "22"},
                                    {"13", "1134"},
                                    {"66", "6655"},
                                    {"1234", "11"},
                                    {"", "11111"}}) {
        EXPECT_EQ(chanceCallHolds(fix, call), enumeratedChance(fix, call)) << fix << " " << call;
    }
}

TEST(Arena, PlaysCompleteGamesUnderEveryOptionSetBetweenAnyTwoPlayers) {
    const std::vector<std::pair<std::string, std::string>> seats{
        {"honest", "classic"}, {"bluffer", "cautious"}, {"classic", "honest"}};
    for (const RuleOptions options : kOptionSets) {
        for (const auto& [human, computer] : seats) {
            SCOPED_TRACE(human + " against " + computer + ", options " +
                         std::string(optionWords(options)));
            ArenaConfig config;
            config.games = 40;
            config.seed = 3;
            config.options = options;
            config.human = human;
            config.computerName = computer;
            const ArenaReport report = runArena(config);
            EXPECT_TRUE(report.faults.empty()) << ::testing::PrintToString(report.faults);
            EXPECT_EQ(report.games, 40);
            EXPECT_EQ(report.humanWins + report.computerWins, 40);
            EXPECT_GE(report.calls, 40);
        }
    }
}

// The Master at the computer's seat starts from nothing, so its first game is the Expert's in the
// same seeded run, and then plays otherwise as it learns the bluffer; the leaks are those of the
// player's seat; a bolder Master plays otherwise again. The leaks take the best response's whole
// passes: the sanitizer build leaves it out.
TEST(MasterArenaLong, LearnsThePlayersSeatAndTheLeaksAreItsOwn) {
    if (!std::filesystem::exists(std::filesystem::path(QUINTEL_SOLVED_DATA) / "none.qsolved")) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    ArenaConfig config;
    config.games = 40;
    config.seed = 4;
    config.human = "bluffer";
    config.solvedFolder = QUINTEL_SOLVED_DATA;
    config.leaks = true;
    std::vector<std::string> lines;
    config.gameLine = [&lines](const std::string& line) { lines.push_back(line); };
    config.computerName = "master";
    const ArenaReport master = runArena(config);
    ASSERT_TRUE(master.faults.empty()) << ::testing::PrintToString(master.faults);
    const std::vector<std::string> masterLines = std::exchange(lines, {});
    config.computerName = "expert";
    ASSERT_TRUE(runArena(config).faults.empty());
    ASSERT_EQ(masterLines.size(), lines.size());
    EXPECT_EQ(masterLines.front(), lines.front());
    EXPECT_NE(masterLines, lines);
    const std::vector<std::string> expertLines = std::exchange(lines, {});
    config.computerName = "master";
    config.masterRisk = 0.5;
    config.leaks = false;
    ASSERT_TRUE(runArena(config).faults.empty());
    EXPECT_NE(lines, masterLines) << "a bolder Master answers otherwise";
    EXPECT_TRUE(master.leaks.starts_with("perfect-opponent 0.")) << master.leaks;
    EXPECT_EQ(std::ranges::count(master.leaks, '\n'), 6) << master.leaks;
    EXPECT_NE(master.leaks.find("\nleak trust "), std::string::npos) << master.leaks;
}

TEST(Arena, WritesEachGameInALine) {
    ArenaConfig config;
    config.games = 3;
    std::vector<std::string> lines;
    config.gameLine = [&lines](const std::string& line) { lines.push_back(line); };
    ASSERT_TRUE(runArena(config).faults.empty());
    ASSERT_EQ(lines.size(), 3U);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string start = "game " + std::to_string(i + 1) + ", options none: H dice ";
        EXPECT_EQ(lines[i].rfind(start, 0), 0U) << lines[i];
        EXPECT_NE(lines[i].find(", H call "), std::string::npos) << lines[i];
        EXPECT_NE(lines[i].find(" doubt, shown "), std::string::npos) << lines[i];
        EXPECT_TRUE(lines[i].ends_with(" wins")) << lines[i];
    }
}

TEST(Arena, KeepsThePlayersFilesInTheGivenFolder) {
    TempFolder folder;
    ArenaConfig config;
    config.games = 3;
    config.human = "cautious";
    config.dataFolder = folder.path();
    ASSERT_TRUE(runArena(config).faults.empty());
    EXPECT_EQ(folder.names(), (std::set<std::string>{"ArenaProfile.txt", "Arena_0.txt",
                                                     "record.sqlite", ".quintel-profile.lock"}));
    const std::string history = folder.read("Arena_0.txt");
    EXPECT_EQ(history.rfind("Arena HISTORY\r\n\r\n\r\nCOMPUTER AI : ", 0), 0u) << history;
}

// A game signed in before a run on the same folder, saving its profile after it, adds what its
// own stay changed to the run's profile instead of writing over it.
class GameAndArena : public testing::TableTest {};

constexpr std::string_view kArenaPlayer = "Arena"; // whom the runner signs in

TEST_F(GameAndArena, AGameSavingAfterARunKeepsWhatTheRunLearnt) {
    signIn(false, false, std::string(kArenaPlayer));
    ArenaConfig config;
    config.games = 30;
    config.human = "bluffer";
    config.dataFolder = folder.path();
    const ArenaReport report = runArena(config);
    ASSERT_TRUE(report.faults.empty() && report.writeFailures.empty());
    Profile expected = storedProfile(folder.path(), kArenaPlayer);
    ASSERT_GT(std::accumulate(expected.counts.begin(), expected.counts.end(), 0), 0);

    game.profile.counts[3] += 2;
    game.profile.scores[3] += 1;
    game.SaveProfile();
    expected.counts[3] += 2;
    expected.scores[3] += 1;
    const Profile saved = storedProfile(folder.path(), kArenaPlayer);
    EXPECT_EQ(saved.counts, expected.counts);
    EXPECT_EQ(saved.scores, expected.scores);
}

// What the game tells the player and plays on after is a notice, not a broken rule.
TEST(Arena, PrintsWhatThePlayerWouldBeToldAndPlaysOn) {
    TempFolder folder;
    { std::ofstream(folder.path() / "ArenaProfile.txt") << "not a profile"; }
    std::filesystem::resize_file(folder.path() / "ArenaProfile.txt", std::uintmax_t{4} << 30);
    ArenaConfig config;
    config.games = 5;
    config.dataFolder = folder.path();
    const ArenaReport report = runArena(config);
    EXPECT_TRUE(report.faults.empty()) << ::testing::PrintToString(report.faults);
    EXPECT_EQ(report.games, 5);
    ASSERT_EQ(report.notices.size(), 1U) << ::testing::PrintToString(report.notices);
    EXPECT_NE(report.notices[0].find("Your profile is damaged"), std::string::npos)
        << report.notices[0];
}

// A computer seat that breaks the rules in the way it is told, then challenges: it trusts the
// opening call and answers with the call that `cheat` gives it.
class CheatingComputer : public match::Player {
public:
    using Cheat = std::function<match::Call(Game&)>;
    explicit CheatingComputer(Cheat cheat) : cheat_(std::move(cheat)) {}
    Game* game = nullptr;

    match::Action decide(const match::SeatView& view) override {
        if (view.phase == match::Phase::Answer) {
            return view.calls.size() == 1 ? match::Action::trusting() : match::Action::doubting();
        }
        return match::Action::calling(cheat_(*game));
    }

private:
    Cheat cheat_;
};

// The weakest call that beats the last one, as an honest seat may make it.
match::Call weakestAllowed(const Game& game) {
    return *match::weakestAfter(game.match.lastCall());
}

std::vector<std::string> faultsWith(CheatingComputer::Cheat cheat, bool throughScreens = false) {
    CheatingComputer cheater(std::move(cheat));
    ArenaConfig config;
    config.games = 20;
    config.human = "cautious";
    config.computer = &cheater;
    config.throughScreens = throughScreens;
    config.progress = [](long long) {};
    // The runner's own game is the one the cheater plays at.
    config.onGame = [&cheater](Game& game) { cheater.game = &game; };
    return runArena(config).faults;
}

bool mentions(const std::vector<std::string>& faults, std::string_view text) {
    return std::any_of(faults.begin(), faults.end(), [&](const std::string& fault) {
        return fault.find(text) != std::string::npos;
    });
}

TEST(Arena, CatchesAComputerThatBreaksTheRules) {
    for (const bool throughScreens : {false, true}) {
        SCOPED_TRACE(throughScreens ? "through the screens" : "through the table");
        // A single two beats nothing: the table refuses it.
        EXPECT_TRUE(mentions(
            faultsWith([](Game&) { return *match::Call::fromDigits("2"); }, throughScreens),
            "the computer's call 2 was refused: the call 2 does not beat"));
        EXPECT_TRUE(mentions(faultsWith(
                                 [](Game& game) {
                                     match::Match::Position position = game.match.position();
                                     position.dice = match::Dice({7, 2, 2, 2, 2});
                                     game.match.setPosition(position);
                                     return weakestAllowed(game);
                                 },
                                 throughScreens),
                             "the dice '72222' after the computer's call"));
        EXPECT_TRUE(mentions(faultsWith(
                                 [](Game& game) {
                                     game.profile.scores[4] = 99;
                                     return weakestAllowed(game);
                                 },
                                 throughScreens),
                             "profile bucket 4 holds 99 of"));
    }
}

} // namespace
} // namespace quintel::arena
