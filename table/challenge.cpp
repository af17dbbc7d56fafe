#include "table/form_start.h"

#include "app/game.h"
#include "model/dice.h"
#include "model/number_text.h"
#include "model/translation.h"
#include "table/result_texts.h"

#include <string>

namespace quintel {

void FormStart::Trust_Click() {
    act(match::Action::trusting());
    // The dice are taken over in canonical order.
    showTableDice();
    Change_Dice.enabled = true;
    for (Control& die : Dice) {
        die.visible = true;
    }
    Call1.enabled = true;
    XTrust.enabled = false;
    Trust.enabled = false;
    lblStatus.caption = trustedStatus(lastCallDigits(), diceDigits(diceValues()), tableKeys());
    refreshCoach();
}

void FormStart::XTrust_Click() {
    act(match::Action::doubting());
}

void FormStart::act(const match::Action& action) {
    Game& g = game();
    if (auto refused = g.play(action)) {
        // The buttons offer only what the table allows; should one slip through, say why.
        g.messages.inform("The table refused " + describe(action) + ": " + *refused);
        return;
    }
    if (loaded() && g.match.phase() == match::Phase::Decided) {
        concludeGame();
    }
}

void FormStart::gameDecided(const match::Match& /*match*/, const GameOutcome& outcome) {
    if (!loaded()) {
        return;
    }
    functXTrust();
    if (endInStatusLine) {
        lblStatus.caption += " " + std::string(resultText(outcome));
        return;
    }
    game().messages.inform(resultText(outcome));
}

bool FormStart::functXTrust() {
    if (!game().match.outcome()) {
        return false;
    }
    Trust.enabled = false;
    Call1.enabled = false;
    XTrust.enabled = false;
    for (std::size_t i = 0; i < 5; ++i) {
        DiceSelectable[i] = false;
        Dice[i].visible = true;
        Dice[i].enabled = true;
    }
    // The dice are shown in canonical order.
    showTableDice();
    const GameOutcome& outcome = *game().match.outcome();
    std::string dice;
    for (const Control& die : Dice) {
        dice += die.caption;
    }
    // The status line tells the verdict in words while its message is up.
    lblStatus.caption = challengeStatus(outcome, computerSeatName());
    const std::string challenger = outcome.challenger == Seat::Human ? "You" : "AI";
    if (!endInStatusLine) {
        game().messages.inform(challenger + std::string(kNotTrustText) + "\r\n" +
                               "Call : " + outcome.call + "\r\n" + "Dice : " + dice);
    }
    cmdExit.enabled = true;
    cmdExit.caption = "New";
    return outcome.winner == outcome.challenger;
}

void FormStart::concludeGame() {
    Game& g = game();
    Label2.caption = numberText(g.tally.won);
    Label4.caption = numberText(g.tally.played);
    if (endInStatusLine) {
        showNextGameBar(true);
        lblStatus.caption += " " + translated("StatusLine", "Play again (Return) or stop (Esc).");
        return;
    }
    if (g.messages.ask(kContinueQuestion)) {
        functStart();
        return;
    }
    stopPlaying();
}

void FormStart::showNextGameBar(bool shown) {
    cmdPlayAgain.visible = shown;
    cmdStop.visible = shown;
}

void FormStart::stopPlaying() {
    Game& g = game();
    g.endStay();
    g.formCall.Unload();
    Unload();
    g.messages.inform(std::string(kTallyPlayedText) + numberText(g.tally.played) + " , " +
                      std::string(kTallyWonText) + numberText(g.tally.won));
    g.tally = {};
    g.formWelcome.Show();
}

std::string_view resultText(const GameOutcome& outcome) {
    if (outcome.winner != Seat::Human) {
        return kLostText;
    }
    return outcome.challenger == Seat::Human ? kWonByChallengeText : kWonAgainstChallengeText;
}

} // namespace quintel
