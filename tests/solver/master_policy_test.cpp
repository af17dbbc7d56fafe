// The Master's bound held against the whole game on a reduced variant: its strategy written out
// as a realization plan of the whole game's sequence form (testing/whole_game, which shares
// nothing with the stage solver, the backward pass or the best response), and the opener's best
// reply to it found there; and the Master held against the restricted Nash response found there.
#include "solver/master_budget.h"
#include "solver/master_policy.h"
#include "testing/option_set_name.h"
#include "testing/scripted_observations.h"
#include "testing/whole_game/sequence_form_lp.h"
#include "testing/whole_game_lp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>

namespace quintel::solver {
namespace {

using wholegame::Counts;
using wholegame::Decision;

int setNumber(const GameTables& tables, const Counts& counts) {
    return tables.sets().indexOf(counts);
}

int callNumber(const GameTables& tables, const Counts& counts) {
    return tables.callOfSet(setNumber(tables, counts));
}

Counts without(const Counts& dice, const Counts& kept) {
    Counts rest{};
    for (std::size_t face = 1; face < rest.size(); ++face) {
        rest[face] = dice[face] - kept[face];
    }
    return rest;
}

// The chance that the Master takes the action of sequence `index` of a decision of its own.
double masterAction(const MasterPolicy& master, const Decision& decision, std::size_t index) {
    const SolvedGame& game = master.game();
    const GameTables& tables = game.tables();
    const int last = decision.opening ? -1 : callNumber(tables, decision.lastCall);
    switch (decision.kind) {
    case Decision::Kind::Answer: {
        const int call = callNumber(tables, decision.call);
        const double trust =
            decision.threw
                ? master.stageTrust(
                      last, setNumber(tables, decision.kept))[static_cast<std::size_t>(call)]
                : (tables.covers(setNumber(tables, decision.dice), call) ? 1.0 : 0.0);
        return index == 0 ? 1 - trust : trust;
    }
    case Decision::Kind::Change: {
        const auto choice = *game.positionChoice(last, setNumber(tables, decision.dice),
                                                 setNumber(tables, decision.kept));
        const Decision::Choice& action = decision.choices[index];
        if ((choice & SolvedGame::kKeepFlag) == 0) {
            return action.callAtOnce ? 1.0 : 0.0;
        }
        return !action.callAtOnce &&
                       setNumber(tables, action.kept) == (choice & ~SolvedGame::kKeepFlag)
                   ? 1.0
                   : 0.0;
    }
    case Decision::Kind::Call: {
        const int call = callNumber(tables, decision.calls[index]);
        if (!decision.threw) {
            const auto choice = *game.positionChoice(last, setNumber(tables, decision.dice),
                                                     setNumber(tables, decision.kept));
            return choice == call ? 1.0 : 0.0;
        }
        const auto calls = master.callsOf(last, setNumber(tables, decision.kept),
                                          setNumber(tables, without(decision.dice, decision.kept)));
        const auto made = std::ranges::find(calls, call, &MixedCall::call);
        return made == calls.end() ? 0.0 : made->chance;
    }
    }
    return 0;
}

// The same for the Master at a table, which risks a game's budget and what the player gives away
// on the way: its budget replayed from the turns the seat knows, as the seat tells them while it
// plays.
double tableMasterAction(const MasterPolicy& master, const Decision& decision, std::size_t index) {
    const GameTables& tables = master.game().tables();
    MasterBudget budget(master);
    auto keptIfThrown = [&](bool threw, const Counts& kept) {
        return threw ? std::optional(setNumber(tables, kept)) : std::nullopt;
    };
    int last = -1;
    for (std::size_t turn = 0; turn < decision.turns.size(); ++turn) {
        const Decision::Turn& made = decision.turns[turn];
        const int kept = setNumber(tables, made.kept);
        const int call = callNumber(tables, made.call);
        if (turn % 2 == 0) { // the player's call, which the Master trusted
            if (turn > 0) {
                budget.playerTrusted(last, keptIfThrown(made.threw, made.kept));
            }
            if (made.threw) {
                budget.answer(last, kept, call);
            }
            budget.tookOver(setNumber(tables, made.dice));
        } else if (made.threw) { // the Master's call, which the player trusted
            budget.calls(last, kept, setNumber(tables, without(made.dice, made.kept)));
        }
        last = call;
    }
    const int kept = setNumber(tables, decision.kept);
    if (decision.kind == Decision::Kind::Answer && decision.threw) {
        if (!decision.opening) {
            budget.playerTrusted(last, keptIfThrown(decision.threw, decision.kept));
        }
        const double trust = budget.answer(
            last, kept,
            callNumber(tables,
                       decision.call))[static_cast<std::size_t>(callNumber(tables, decision.call))];
        return index == 0 ? 1 - trust : trust;
    }
    if (decision.kind == Decision::Kind::Call && decision.threw) {
        const auto calls =
            budget.calls(last, kept, setNumber(tables, without(decision.dice, decision.kept)));
        const auto made =
            std::ranges::find(calls, callNumber(tables, decision.calls[index]), &MixedCall::call);
        return made == calls.end() ? 0.0 : made->chance;
    }
    return masterAction(master, decision, index);
}

// The Master's strategy, seat 1 of the whole game, as a realization plan.
using ActionChance = double (*)(const MasterPolicy&, const Decision&, std::size_t);
wholegame::RealizationPlan masterPlan(const wholegame::LabelledGame& whole,
                                      const MasterPolicy& master,
                                      ActionChance action = masterAction) {
    const wholegame::SequenceForm& form = whole.form;
    wholegame::RealizationPlan plan(static_cast<std::size_t>(form.sequenceCount(1)), 0.0);
    plan[0] = 1;
    int first = 1;
    for (int sequence = 1; sequence < form.sequenceCount(1); ++sequence) {
        const int infoset = form.infosetOf(1, sequence);
        if (form.infosetOf(1, sequence - 1) != infoset) {
            first = sequence;
        }
        const Decision& decision = whole.decisions[1][static_cast<std::size_t>(infoset)];
        plan[static_cast<std::size_t>(sequence)] =
            plan[static_cast<std::size_t>(form.parentOf(1, infoset))] *
            action(master, decision, static_cast<std::size_t>(sequence - first));
    }
    return plan;
}

// The player the model saw, seat 0 of the whole game: it calls at random, trusts three calls in
// four and changes at random.
wholegame::RealizationPlan randomCallerPlan(const wholegame::LabelledGame& whole) {
    const wholegame::SequenceForm& form = whole.form;
    wholegame::RealizationPlan plan(static_cast<std::size_t>(form.sequenceCount(0)), 0.0);
    plan[0] = 1;
    for (int sequence = 1; sequence < form.sequenceCount(0); ++sequence) {
        const int infoset = form.infosetOf(0, sequence);
        const Decision& decision = whole.decisions[0][static_cast<std::size_t>(infoset)];
        double chance = 0.75;
        if (decision.kind == Decision::Kind::Answer) {
            chance = form.infosetOf(0, sequence - 1) == infoset ? 0.75 : 0.25;
        } else {
            const std::size_t actions = decision.kind == Decision::Kind::Call
                                            ? decision.calls.size()
                                            : decision.choices.size();
            chance = 1.0 / static_cast<double>(actions);
        }
        plan[static_cast<std::size_t>(sequence)] =
            plan[static_cast<std::size_t>(form.parentOf(0, infoset))] * chance;
    }
    return plan;
}

double playerWins(const wholegame::SequenceForm& form, const wholegame::RealizationPlan& player,
                  const wholegame::RealizationPlan& computer) {
    double wins = 0;
    for (const auto& payoff : form.mergedPayoffs()) {
        wins += payoff.weight * player[static_cast<std::size_t>(payoff.first)] *
                computer[static_cast<std::size_t>(payoff.second)];
    }
    return wins;
}

// A player seen in many games: it calls at random and trusts three calls in four.
std::shared_ptr<const PlayerModel> randomCaller(std::shared_ptr<const SolvedGame> game) {
    auto model = std::make_shared<PlayerModel>(game);
    std::mt19937 random(5);
    for (int i = 0; i < 400; ++i) {
        model->add(testing::randomCallerGame(*game, 0.75, random));
    }
    return model;
}

class MasterOnAVariant : public ::testing::TestWithParam<RuleOptions> {};
INSTANTIATE_TEST_SUITE_P(EveryOptionSet, MasterOnAVariant, ::testing::ValuesIn(kOptionSets),
                         quintel::testing::optionSetName);

// Two dice of two faces. With nothing seen the Master is the refined Expert, whom the best reply
// beats by nothing; having seen a player, it answers differently and the best reply wins more,
// but never more than the risk above the game's value.
TEST_P(MasterOnAVariant, TheBestReplyWinsAtMostTheRiskAboveTheGamesValue) {
    const RuleOptions options = GetParam();
    const auto game = std::make_shared<const SolvedGame>(
        SolvedGame::solve({2, 2}, options, {.tolerance = 1e-12, .smallestChanceShare = 0}));
    const wholegame::LabelledGame whole = wholegame::labelledOpeningGame({2, 2}, options);
    const double value = game->openValue();

    const MasterPolicy expert(game, std::make_shared<const PlayerModel>(game), {.risk = 0.05});
    EXPECT_NEAR(wholegame::secondConcession(whole.form, masterPlan(whole, expert)), value, 1e-9);
    EXPECT_EQ(expert.stagesAnswered(), 0U);

    const auto model = randomCaller(game);
    const wholegame::RealizationPlan player = randomCallerPlan(whole);
    const double againstExpert = playerWins(whole.form, player, masterPlan(whole, expert));
    double largest = value;
    for (const double risk : {0.0, 0.02, 0.1}) {
        const MasterPolicy master(game, model, {.risk = risk});
        const wholegame::RealizationPlan plan = masterPlan(whole, master);
        const double best = wholegame::secondConcession(whole.form, plan);
        EXPECT_GT(master.stagesAnswered(), 0U);
        EXPECT_LE(best, value + risk + 1e-9) << "risk " << risk;
        EXPECT_GE(best, value - 1e-9) << "risk " << risk;
        // The player it saw wins less against it than against the Expert: no more at no risk,
        // and a good deal less once it may risk a little.
        EXPECT_LE(playerWins(whole.form, player, plan), againstExpert - (risk > 0 ? 0.02 : 0.0))
            << "risk " << risk;
        largest = std::max(largest, best);
    }
    EXPECT_GT(largest, value + 1e-4); // it does take risks
}

// Risking a game's budget as it goes and what the player gives away on the way, the Master still
// lets the best reply win at most the risk above the game's value: a gift is risked once, and the
// player paid for it first.
// The Master's every decision replays the game before it: the sanitizer build leaves it out.
class MasterAtATableLong : public ::testing::TestWithParam<RuleOptions> {};
INSTANTIATE_TEST_SUITE_P(EveryOptionSet, MasterAtATableLong, ::testing::ValuesIn(kOptionSets),
                         quintel::testing::optionSetName);

TEST_P(MasterAtATableLong, RisksItsBudgetAndWhatItIsGivenAndStaysWithinTheRisk) {
    const RuleOptions options = GetParam();
    const auto game = std::make_shared<const SolvedGame>(
        SolvedGame::solve({2, 2}, options, {.tolerance = 1e-12, .smallestChanceShare = 0}));
    const wholegame::LabelledGame whole = wholegame::labelledOpeningGame({2, 2}, options);
    const auto model = randomCaller(game);
    for (const double risk : {0.0, 0.02, 0.1}) {
        const MasterPolicy master(game, model, {.risk = risk});
        const wholegame::RealizationPlan atTable = masterPlan(whole, master, tableMasterAction);
        EXPECT_LE(wholegame::secondConcession(whole.form, atTable), game->openValue() + risk + 1e-9)
            << "risk " << risk;
    }
}

// The restricted Nash response, one linear programme over the whole game, takes from a known
// player the most that any strategy within a bound on its exploitability can take: the yardstick
// of the Master. It is the best answer to the player when unbounded and an equilibrium at the
// game's value, and the Master, learning the player from its games, takes no more than it within
// the Master's own exploitability.
TEST_P(MasterOnAVariant, TakesNoMoreThanTheRestrictedNashResponse) {
    const RuleOptions options = GetParam();
    const auto game = std::make_shared<const SolvedGame>(
        SolvedGame::solve({2, 2}, options, {.tolerance = 1e-12, .smallestChanceShare = 0}));
    const wholegame::LabelledGame whole = wholegame::labelledOpeningGame({2, 2}, options);
    const double value = game->openValue();
    const wholegame::RealizationPlan player = randomCallerPlan(whole);

    const auto unbounded = wholegame::restrictedResponse(whole.form, player, 1.0);
    EXPECT_NEAR(unbounded.againstPlan, wholegame::firstGuarantee(whole.form, player), 1e-9);
    const MasterPolicy expert(game, std::make_shared<const PlayerModel>(game), {.risk = 0});
    const auto safe = wholegame::restrictedResponse(whole.form, player, value + 1e-9);
    EXPECT_NEAR(safe.bestAnswer, value, 1e-7);
    EXPECT_LE(safe.againstPlan, playerWins(whole.form, player, masterPlan(whole, expert)) + 1e-9);

    const auto model = randomCaller(game);
    for (const double risk : {0.02, 0.1}) {
        const MasterPolicy master(game, model, {.risk = risk});
        const wholegame::RealizationPlan plan = masterPlan(whole, master);
        const double exploitability = wholegame::secondConcession(whole.form, plan) - value;
        const auto within =
            wholegame::restrictedResponse(whole.form, player, value + exploitability + 1e-9);
        EXPECT_LE(within.bestAnswer, value + exploitability + 1e-7) << "risk " << risk;
        EXPECT_LE(within.againstPlan, playerWins(whole.form, player, plan) + 1e-9)
            << "risk " << risk;
        EXPECT_LT(within.againstPlan, safe.againstPlan) << "risk " << risk;
    }
}

// On one die of five faces, where the game runs deeper, the Master takes from the player it saw
// at least half of what the restricted Nash response takes within the Master's own
// exploitability: its calls are the stage's own restricted response, and a straight line towards
// the best reply to its belief took less than a third.
TEST(MasterOnOneDieOfFiveFaces, TakesHalfOfWhatTheRestrictedNashResponseTakes) {
    const RuleOptions options{};
    const auto game = std::make_shared<const SolvedGame>(
        SolvedGame::solve({5, 1}, options, {.tolerance = 1e-12, .smallestChanceShare = 0}));
    const wholegame::LabelledGame whole = wholegame::labelledOpeningGame({5, 1}, options);
    const wholegame::RealizationPlan player = randomCallerPlan(whole);
    const MasterPolicy expert(game, std::make_shared<const PlayerModel>(game), {.risk = 0});
    const double againstExpert = playerWins(whole.form, player, masterPlan(whole, expert));

    const MasterPolicy master(game, randomCaller(game), {.risk = 0.02});
    const wholegame::RealizationPlan plan = masterPlan(whole, master);
    const double best = wholegame::secondConcession(whole.form, plan);
    EXPECT_LE(best, game->openValue() + 0.02 + 1e-9);
    const auto within = wholegame::restrictedResponse(whole.form, player, best + 1e-9);
    const double masterTakes = againstExpert - playerWins(whole.form, player, plan);
    EXPECT_GE(masterTakes, 0.5 * (againstExpert - within.againstPlan));

    // At a table it risks the game's budget where it goes, and what it is given: other play, the
    // same bound.
    const wholegame::RealizationPlan atTable = masterPlan(whole, master, tableMasterAction);
    EXPECT_LE(wholegame::secondConcession(whole.form, atTable), game->openValue() + 0.02 + 1e-9);
    EXPECT_GT(
        std::abs(playerWins(whole.form, player, atTable) - playerWins(whole.form, player, plan)),
        1e-3);
}

} // namespace
} // namespace quintel::solver
