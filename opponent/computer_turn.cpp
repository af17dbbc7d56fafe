#include "opponent/call_planning.h"
#include "opponent/computer_judgement.h"
#include "opponent/computer_player.h"

#include "app/game.h"
#include "model/number_text.h"

namespace quintel {

namespace {

// Counts the player's call in its bucket; `understated` when the dice were stronger than the call.
void recordInProfile(GameState& state, double win, bool understated) {
    const auto bucket = static_cast<std::size_t>(profileBucket(win));
    countUp(state.ProfileCount[bucket]);
    if (understated) {
        countUp(state.ProfileScore[bucket]);
    }
}

} // namespace

void ComputerOpponent::Computer_AI(Game& game) {
    ++statistics_.turns;
    statistics_.lastBluffSearch = 0;
    FormCall& dialog = game.formCall;
    GameState& state = game.state;
    const EngineOptions options{state.FixAnyOption, state.FixPermanentOption};

    const CallJudgement judged =
        judgeCall(game.engine, dialog.CallString, dialog.FixString, options);
    game.history.writeLine("COMPUTER AI : Fixstring : " + judged.fix + "\tCallstring : " +
                           judged.call + "\tCall Up Prob : " + numberText(judged.callUp.value()));
    game.history.writeLine("Exact Dices : " + dialog.DiceString + "\r\n");
    dialog.CallString = judged.call;
    dialog.FixString = judged.fix;
    game.history.writeLine("Win Prob : " + numberText(judged.win.value()) + "\r\n");

    dialog.Dice_Arrange();
    dialog.Call_Arrange();
    recordInProfile(state, judged.win.value(), dialog.Check3());
    Likelihood win = Likelihood::of(judged.win);
    if (const auto corrected = profileCorrection(win, state.ProfileCount, state.ProfileScore)) {
        win = Likelihood::fraction(*corrected);
        game.history.writeLine("Win Prob After Profile : " + numberText(*corrected) + "\r\n");
    }

    if (challengesJudgedCall(judged, win)) {
        challenge(game);
    } else {
        answer(game, judged.call);
    }
}

void ComputerOpponent::challenge(Game& game) {
    ++statistics_.challenges;
    game.formStart.computerChallenges();
}

} // namespace quintel
