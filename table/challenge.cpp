#include "table/form_start.h"

#include "app/game.h"
#include "model/dice.h"
#include "model/number_text.h"
#include "table/result_texts.h"

#include <span>
#include <string>

namespace quintel {

void FormStart::Trust_Click() {
    Dice_Level_Cal();
    Last_Level_Cal();
    Fix_Level_Cal();
    Change_Dice.enabled = true;
    for (Control& die : Dice) {
        die.visible = true;
    }
    Call1.enabled = true;
    XTrust.enabled = false;
    Trust.enabled = false;
    lblStatus.caption =
        trustedStatus(diceDigits(std::span(game().state.LastCallDice).first<kDiceCount>()),
                      diceDigits(diceValues()), tableKeys());
    refreshCoach();
}

bool FormStart::functXTrust() {
    Trust.enabled = false;
    Call1.enabled = false;
    XTrust.enabled = false;
    for (std::size_t i = 0; i < 5; ++i) {
        DiceSelectable[i] = false;
        Dice[i].visible = true;
        Dice[i].enabled = true;
    }
    Dice_Level_Cal();
    Last_Level_Cal();
    const bool challengerWins = !lastCallHeld();

    const GameState& state = game().state;
    std::string dice;
    for (const Control& die : Dice) {
        dice += die.caption;
    }
    const Seat challengerSeat = state.CurrentPlayer == 0 ? Seat::Human : Seat::Computer;
    // The status line tells the verdict in words while its message is up.
    lblStatus.caption =
        challengeStatus(challengeOutcome(challengerSeat, challengerWins), state.PlayerNames[1]);
    const std::string challenger = state.CurrentPlayer == 0 ? "You" : "AI";
    game().messages.inform(challenger + std::string(kNotTrustText) + "\r\n" + "Call : " +
                           diceDigits(std::span(state.LastCallDice).first<kDiceCount>()) + "\r\n" +
                           "Dice : " + dice);
    cmdExit.enabled = true;
    cmdExit.caption = "New";
    return challengerWins;
}

void FormStart::XTrust_Click() {
    decideChallenge(Seat::Human);
}

void FormStart::decideChallenge(Seat challenger) {
    GameState& state = game().state;
    countUp(state.GamesPlayed);
    const bool challengerWins = functXTrust();
    concludeGame(challengeOutcome(challenger, challengerWins));
}

void FormStart::concludeGame(const GameOutcome& outcome) {
    Game& g = game();
    GameState& state = g.state;
    g.messages.inform(resultText(outcome));
    // After the result: a record that cannot be written says so once the player knows who won.
    g.gameDecided(outcome);
    if (outcome.winner == Seat::Human) {
        countUp(state.GamesWon);
    }
    Label2.caption = numberText(state.GamesWon);
    Label4.caption = numberText(state.GamesPlayed);
    const bool goOn = g.messages.ask(kContinueQuestion);
    g.history.writeLine(Text1.caption);
    g.history.writeLine(Text2.caption);
    if (coachUsedInMatch_) {
        g.history.writeLine(kCoachHistoryLine);
    }
    if (goOn) {
        functStart();
        return;
    }
    g.history.close();
    g.SaveProfile();
    g.formCall.Unload();
    Unload();
    g.messages.inform(std::string(kTallyPlayedText) + numberText(state.GamesPlayed) + " , " +
                      std::string(kTallyWonText) + numberText(state.GamesWon));
    state.GamesPlayed = 0;
    state.GamesWon = 0;
    g.formWelcome.Show();
}

std::string_view resultText(const GameOutcome& outcome) {
    if (outcome.winner != Seat::Human) {
        return kLostText;
    }
    return outcome.challenger == Seat::Human ? kWonByChallengeText : kWonAgainstChallengeText;
}

} // namespace quintel
