#include "solver/player_model.h"
#include "testing/scripted_observations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace quintel::solver {
namespace {

std::shared_ptr<const SolvedGame> solvedVariant() {
    static const auto game =
        std::make_shared<const SolvedGame>(SolvedGame::solve({3, 3}, {.fixAny = true}));
    return game;
}

PlayerModel randomCaller(int games, double trust) {
    PlayerModel model(solvedVariant());
    std::mt19937 random(21);
    for (int i = 0; i < games; ++i) {
        model.add(testing::randomCallerGame(*solvedVariant(), trust, random));
    }
    return model;
}

// With nothing seen, the belief is the equilibrium itself: its joint chances of throw and call,
// and its chances of trust.
TEST(PlayerModel, ThatSawNothingBelievesTheEquilibrium) {
    const PlayerModel model(solvedVariant());
    const GameTables& tables = model.tables();
    const int none = tables.sets().empty();
    for (const auto& [lastCall, kept] :
         {std::pair{-1, none}, std::pair{4, none},
          std::pair{6, tables.sets().indexOf(countFaceDigits("2"))}}) {
        const StageGame stage(tables, lastCall, kept, model.game().positionValues());
        const StageStrategy& equilibrium = *model.game().stageStrategy(lastCall, kept);
        const std::vector<double> weights = model.callWeights(lastCall, kept);
        std::vector<double> expected(weights.size(), 0.0);
        for (int t = 0; t < stage.typeCount(); ++t) {
            for (const MixedCall& call : equilibrium.callsOf(t)) {
                expected[static_cast<std::size_t>(t * stage.messageCount() + call.call -
                                                  stage.firstCall())] =
                    stage.chance(t) * call.chance;
            }
        }
        for (std::size_t i = 0; i < weights.size(); ++i) {
            EXPECT_NEAR(weights[i], expected[i], 1e-12) << "stage " << lastCall << " " << kept;
        }
        std::vector<double> trust = fullTrust(stage, equilibrium);
        if (stage.messageCount() > 0) {
            trust.back() = 0;
        }
        EXPECT_EQ(model.trustChances(lastCall, kept), trust);
        EXPECT_FALSE(model.sawCallsIn(lastCall, kept));
    }
}

// A player who calls at random and trusts nine calls in ten: after many games the belief about
// the opening is as often each call, held as often as a throw holds it, and about the answers
// where they were seen, nine in ten.
TEST(PlayerModel, ComesToBelieveWhatThePlayerDoes) {
    const PlayerModel model = randomCaller(3000, 0.9);
    const GameTables& tables = model.tables();
    const int none = tables.sets().empty();
    EXPECT_EQ(model.games(), 3000);
    ASSERT_TRUE(model.sawCallsIn(-1, none));
    const StageGame opening(tables, -1, none, model.game().positionValues());
    const std::vector<double> weights = model.callWeights(-1, none);
    for (int m = 0; m < opening.messageCount(); ++m) {
        double made = 0;
        double held = 0;
        for (int t = 0; t < opening.typeCount(); ++t) {
            const double w = weights[static_cast<std::size_t>(t * opening.messageCount() + m)];
            made += w;
            held += opening.challengePayoff(t, m) > 0 ? w : 0;
        }
        EXPECT_NEAR(made, 1.0 / tables.callCount(), 0.02) << "call " << m;
        EXPECT_NEAR(held / made, heldChance(tables, none, m), 0.15) << "call " << m;
    }
    int answered = 0;
    int near = 0;
    for (int call = 0; call < tables.callCount(); ++call) {
        for (int kept = 0; kept < tables.sets().count(); ++kept) {
            if (!model.sawAnswersIn(call, kept)) {
                continue;
            }
            // The calls the computer made there, which the player answered: most believed
            // within a tenth of nine in ten, the rarest still drawn towards the equilibrium.
            const std::vector<double> trust = model.trustChances(call, kept);
            for (const MixedCall& made : model.game().stageStrategy(call, kept)->trust) {
                if (made.call + 1 < tables.callCount()) {
                    const double believed = trust[static_cast<std::size_t>(made.call - call - 1)];
                    EXPECT_NEAR(believed, 0.9, 0.2)
                        << "stage " << call << " " << kept << " call " << made.call;
                    ++answered;
                    near += std::abs(believed - 0.9) < 0.1 ? 1 : 0;
                }
            }
        }
    }
    EXPECT_GT(answered, 10);
    EXPECT_GT(near, answered * 3 / 4);
}

TEST(PlayerModel, WritesAndReadsItsCounts) {
    const PlayerModel model = randomCaller(200, 0.5);
    const std::string text = model.serialise();
    std::string error;
    const auto read = PlayerModel::parse(text, solvedVariant(), &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->serialise(), text);
    EXPECT_EQ(read->games(), 200);
    EXPECT_EQ(read->visitsByLevel(), model.visitsByLevel());
    EXPECT_EQ(read->callWeights(-1, model.tables().sets().empty()),
              model.callWeights(-1, model.tables().sets().empty()));
}

// The text comes from a file: every line is checked, and a model is read whole or not at all.
TEST(PlayerModel, RefusesATextThatIsNotAModelOfThisGame) {
    PlayerModel model(solvedVariant());
    const GameTables& tables = model.tables();
    const int none = tables.sets().empty();
    const int pair = tables.sets().indexOf(countFaceDigits("22"));
    const int call = tables.callOfSet(pair);
    PlayerObservations game;
    game.calls.push_back({-1, none, tables.sets().indexOf(countFaceDigits("221")), call});
    game.answers.push_back({call, none, call + 1, true});
    game.keeps.push_back(
        {call, tables.sets().indexOf(countFaceDigits("223")), none,
         static_cast<std::uint16_t>(SolvedGame::kKeepFlag |
                                    tables.sets().indexOf(countFaceDigits("22")))});
    model.add(game);
    const std::string text = model.serialise();
    ASSERT_TRUE(PlayerModel::parse(text, solvedVariant()));
    auto replaced = [&](std::string_view from, std::string_view to) {
        std::string changed = text;
        const auto at = changed.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return changed.replace(at, from.size(), to);
    };
    for (const std::string& bad : {
             std::string(),
             replaced("options=any", "options=none"),
             replaced("faces=3", "faces=4"),
             replaced("games=1", "games=-1"),
             replaced("- - 22 1 1", "- - 22 1 2"), // held more often than made
             replaced("- - 22 1 1", "- - 22 0 0"), // never seen
             replaced("- - 22 1 1", "- - 23 1 1"), // digits out of their canonical order
             replaced("- - 22 1 1", "- - 44 1 1"), // a face the variant does not have
             replaced("- - 22 1 1", "- - 22 1 01"),
             replaced("- - 22 1 1", "- - 22 1"),
             replaced("calls 1", "calls 2"),
             replaced("22 - 223 1 1", "223 - 22 1 1"), // an answer to a call below the last
             replaced("keep 22", "keep 33"),           // not among the dice
             replaced("keep 22", "call 2"),            // does not beat the last call
             replaced("end\n", "end\nmore\n"),
             replaced("end\n", "end"),
             text + text,
         }) {
        std::string error;
        EXPECT_FALSE(PlayerModel::parse(bad, solvedVariant(), &error)) << bad;
        EXPECT_NE(error.find("cannot be read"), std::string::npos) << bad;
    }
    // Two lines in the wrong order.
    PlayerObservations more;
    more.calls.push_back({-1, none, tables.sets().indexOf(countFaceDigits("111")), call + 1});
    model.add(more);
    std::string swapped = model.serialise();
    const auto first = swapped.find("- - 22 ");
    const auto second = swapped.find('\n', first) + 1;
    const auto end = swapped.find('\n', second) + 1;
    const std::string line = swapped.substr(first, second - first);
    swapped.erase(first, second - first);
    swapped.insert(end - line.size(), line);
    EXPECT_FALSE(PlayerModel::parse(swapped, solvedVariant()));
}

TEST(PlayerModel, CountsNothingOfAGameWithAnObservationOfNoSituation) {
    PlayerModel model = randomCaller(20, 0.5);
    const std::string before = model.serialise();
    const GameTables& tables = model.tables();
    std::mt19937 random(4);
    PlayerObservations game = testing::randomCallerGame(model.game(), 0.5, random);
    game.calls.push_back({3, tables.sets().empty(), 0, 2}); // a call below the last, of no hand
    EXPECT_THROW(model.add(game), std::invalid_argument);
    EXPECT_EQ(model.serialise(), before);
}

} // namespace
} // namespace quintel::solver
