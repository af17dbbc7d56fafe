#include "opponent/expert_opponent.h"

#include "app/game.h"
#include "model/number_text.h"
#include "opponent/classic_policy.h"
#include "opponent/computer_judgement.h"

#include <algorithm>
#include <utility>

namespace quintel {

namespace {

std::string withoutZeros(std::string text) {
    std::erase(text, '0');
    return text;
}

// The profile describes the player whichever computer plays: the call is counted as the classic
// computer counts it, in the bucket of its win probability, as understated when the dice were
// stronger than the call.
void countInProfile(Game& game) {
    FormCall& dialog = game.formCall;
    dialog.CallString = withoutZeros(dialog.CallString);
    dialog.FixString = withoutZeros(dialog.FixString);
    const double win = game.engine.Prob2(dialog.FixString, dialog.CallString).value();
    dialog.Dice_Arrange();
    dialog.Call_Arrange();
    const auto bucket = static_cast<std::size_t>(profileBucket(win));
    countUp(game.state.ProfileCount[bucket]);
    if (dialog.Check3()) {
        countUp(game.state.ProfileScore[bucket]);
    }
}

std::string orDash(const std::string& text) {
    return text.empty() ? "-" : text;
}

} // namespace

ExpertOpponent::ExpertOpponent(std::shared_ptr<const solver::SolvedGame> game)
    : policy_(std::move(game)) {}

ExpertOpponent::PlayerCall ExpertOpponent::readCall(const Game& game) const {
    const GameState& state = game.state;
    PlayerCall made;
    made.call = policy_.callOf(countFaceDigits(game.formCall.CallString));
    const bool opening = game.formStart.callsInMatch() == 1;
    made.lastCall = opening ? -1 : lastCall_;
    made.threw = opening || state.DiceRolled;
    // The fixed dice are the player's kept dice after a throw, and the seat's own last hold after
    // a call at once: either way what binds the seat's keep under "Fix Permanent".
    made.locked = policy_.setOf(countFaces(state.FixDice));
    made.kept = opening ? policy_.setOf(FaceCounts{}) : made.locked;
    made.hand = policy_.setOf(countFaceDigits(game.formCall.DiceString));
    return made;
}

double ExpertOpponent::trustChance(Game& game, const PlayerCall& made) const {
    const std::string callText = policy_.callText(made.call);
    const std::string last = made.lastCall < 0 ? "-" : policy_.callText(made.lastCall);
    if (!made.threw) {
        // The dice are the ones it handed over: the call holds or it does not.
        const double chance = policy_.atOnceTrust(made.call, made.hand);
        game.history.writeLine("EXPERT AI : Callstring : " + callText + "\tLast Call : " + last +
                               "\tCalled At Once On : " + game.formCall.DiceString +
                               "\tTrust Chance : " + numberText(chance));
        return chance;
    }
    const std::string kept = orDash(diceDigits(solver::callDigits(policy_.counts(made.kept))));
    game.history.writeLine("EXPERT AI : Callstring : " + callText + "\tLast Call : " + last +
                           "\tFixstring : " + kept);
    // The table's call and kept dice always name a stage of the game.
    const auto stage = policy_.stageTrust(made.lastCall, made.kept).value();
    const double chance = stage.trust[static_cast<std::size_t>(made.call)];
    game.history.writeLine("Player's Stage Value : " + numberText(stage.value) +
                           "\tTrust Chance : " + numberText(chance));
    return chance;
}

void ExpertOpponent::Computer_AI(Game& game) {
    const PlayerCall made = readCall(game);
    const double chance = trustChance(game, made);
    countInProfile(game);

    bool trusts = chance >= 1.0;
    if (chance > 0.0 && chance < 1.0) {
        const double draw = game.random.next();
        trusts = draw < chance;
        game.history.writeLine("Trust Draw : " + numberText(draw));
    }
    if (trusts) {
        game.history.writeLine("Decision : Trust");
        answer(game, made);
    } else {
        game.history.writeLine("Decision : Not Trust\r\n");
        game.formStart.computerChallenges();
    }
}

void ExpertOpponent::answer(Game& game, const PlayerCall& made) {
    const auto plan = policy_.plan(made.call, made.hand, made.locked);
    if (!plan) {
        // A position the solve does not hold: the weakest call above keeps the game legal.
        game.history.writeLine("Position Value : -\tChoice : Call At Once");
        callAtOnce(game, made, made.call + 1);
        return;
    }
    if (plan->atOnce) {
        game.history.writeLine("Position Value : " + numberText(plan->value) +
                               "\tChoice : Call At Once " + policy_.callText(plan->call));
        callAtOnce(game, made, plan->call);
        return;
    }
    const solver::DiceSets& sets = policy_.tables().sets();
    game.history.writeLine("Position Value : " + numberText(plan->value) + "\tChoice : Keep " +
                           orDash(diceDigits(solver::callDigits(policy_.counts(plan->kept)))) +
                           " And Throw " +
                           numberText(policy_.tables().variant().dice - sets.diceIn(plan->kept)));
    keepAndThrow(game, made, plan->kept);
}

void ExpertOpponent::callAtOnce(Game& game, const PlayerCall& made, int call) {
    // Nothing is thrown, and the fixed dice stay as they were, as when the player calls at once:
    // under "Fix Permanent" the player then has the same dice locked as the seat had. The solved
    // game is played that way; locking all five would leave the player a position it never
    // weighed.
    const std::string dice = diceDigits(solver::callDigits(policy_.counts(made.hand)));
    handOver(game, dice, call, diceDigits(solver::callDigits(policy_.counts(made.locked))), "");
}

void ExpertOpponent::keepAndThrow(Game& game, const PlayerCall& made, int kept) {
    const std::string hold = diceDigits(solver::callDigits(policy_.counts(kept)));
    const std::string dice = throwAroundHold(hold, game.random);
    const std::string thrown = dice.substr(hold.size());
    const int thrownSet = policy_.setOf(countFaceDigits(thrown));
    const auto calls = policy_.callsOf(made.call, kept, thrownSet);
    std::string chances;
    for (const solver::MixedCall& mixed : calls) {
        chances += (chances.empty() ? "" : " ") + policy_.callText(mixed.call) + " " +
                   numberText(mixed.chance);
    }
    const double draw = game.random.next();
    int call = ExpertPolicy::sampleCall(calls, draw);
    if (call <= made.call) {
        call = made.call + 1; // no strategy for this throw: the weakest call above
    }
    game.history.writeLine("Thrown : " + thrown + "\tCall Chances : " + orDash(chances) +
                           "\tCall Draw : " + numberText(draw));
    handOver(game, dice, call, hold, thrown);
}

void ExpertOpponent::handOver(Game& game, const std::string& dice, int call, const std::string& fix,
                              const std::string& thrown) {
    const FaceCounts counts = policy_.callCounts(call);
    lastCall_ = call;
    handCallToTable(game, {dice, solver::callDigits(counts), shapeScore(counts), {}, thrown}, fix);
}

} // namespace quintel
