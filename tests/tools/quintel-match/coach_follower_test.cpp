#include "arena.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace quintel::arena {
namespace {

bool solvedGameAtHand() {
    return std::filesystem::exists(std::filesystem::path(QUINTEL_SOLVED_DATA) / "none.qsolved");
}

// A seeded run of the coach's follower against `computer`.
ArenaReport followTheCoach(const std::string& computer, long long games) {
    ArenaConfig config;
    config.games = games;
    config.seed = 7;
    config.human = "coach";
    config.computerName = computer;
    config.solvedFolder = QUINTEL_SOLVED_DATA;
    return runArena(config);
}

// The follower's win rate lies within three standard errors of what the figures promised.
void expectThePromiseKept(const ArenaReport& report) {
    ASSERT_TRUE(report.faults.empty()) << ::testing::PrintToString(report.faults);
    ASSERT_TRUE(report.coachPromised);
    const double promised = *report.coachPromised;
    const auto games = static_cast<double>(report.games);
    const double error = std::sqrt(promised * (1 - promised) / games);
    EXPECT_NEAR(static_cast<double>(report.humanWins) / games, promised, 3 * error + 1e-9);
}

// Against the classic computer the figures are its best response's (the player wins nearly
// every game it opens), against the Expert the equilibrium's: the game's value. Hundreds of
// seeded games, as the long checks are: the sanitizer build leaves these out.
TEST(CoachFollowerLong, WinsWhatTheCoachPromisesAgainstTheClassicComputerAndTheExpert) {
    if (!solvedGameAtHand()) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    const ArenaReport classic = followTheCoach("classic", 300);
    expectThePromiseKept(classic);
    EXPECT_GT(*classic.coachPromised, 0.95);
    const ArenaReport expert = followTheCoach("expert", 300);
    expectThePromiseKept(expert);
    EXPECT_NEAR(*expert.coachPromised, 0.5412, 1e-3);
}

// The Master learns the follower after each game; the figures answer its strategy as it stands at
// each game's start, a best response that wins at least the game's value.
TEST(CoachFollowerLong, WinsWhatTheCoachPromisesAgainstTheMasterAsItLearns) {
    if (!solvedGameAtHand()) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    const ArenaReport master = followTheCoach("master", 20);
    expectThePromiseKept(master);
    EXPECT_GT(*master.coachPromised, 0.5412);
}

} // namespace
} // namespace quintel::arena
