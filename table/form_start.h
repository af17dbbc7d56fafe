#pragma once

#include "app/coach_texts.h"
#include "app/game_screen.h"
#include "forms/control.h"
#include "match/action.h"
#include "match/match.h"
#include "model/dice.h"
#include "opponent/coach_figures.h"
#include "table/game_outcome.h"
#include "table/guided_game.h"
#include "table/status_texts.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

namespace solver {
class SolvedGame;
}

// The table screen: seat names with turn markers, the five dice, the game buttons, the call and
// fix logs, the figures, the options label and the countdown. It shows the game's table as the
// player sees it and hands the table the player's actions; the table's rules decide. The dice
// are the captions of the Dice buttons: one digit, followed by "X" while marked for a re-throw.
class FormStart : public GameScreen, public match::MatchListener {
public:
    explicit FormStart(Game& game) : GameScreen(game) {}

    Control Label5, lblSecond, Label2, Label3, Label4;
    Control Text1, Text2;
    std::array<Control, 4> lblName, Picture1;
    Control Roll, XChange;
    std::array<Control, kDiceCount> Dice;
    Control Change_Dice, Call1, XTrust, Trust, cmdExit;
    Control Timer1;
    // The bar that stands for the question "Continue ? " when a game's end is told in the status
    // line: play again (Return) or stop (Esc). Hidden otherwise.
    Control cmdPlayAgain, cmdStop;
    // Under the table: whose turn it is, what the player can do now, how the last game ended.
    Control lblStatus;

    // Die i may be clicked to mark or unmark it (between Change and Roll or Cancel).
    std::array<bool, 6> DiceSelectable{};
    // Die i is marked to be thrown again by the next Roll.
    std::array<bool, 6> DiceMarked{};

    std::vector<Control*> controls() override;
    // The window's close box: a game in progress is left only when the player says so.
    void closeFromFrame() override;
    Control* statusLine() override { return &lblStatus; }
    AccessibleText accessibleText(const Control& control) const override;

    // The keys of the table's buttons, as the status line names them.
    TableKeys tableKeys() const;

    // Handlers.
    void Form_Unload();
    void Call1_Click();
    void Change_Dice_Click();
    void Dice_Click(int index);
    void Roll_Click();
    void XChange_Click();
    void cmdExit_Click();
    void Trust_Click();
    void XTrust_Click();
    void Timer1_Timer();

    // Procedures other screens use.
    void functName();
    // Starts the next game at the table.
    void functStart();
    // Shows the starter's fresh dice.
    void functRandom();
    // Puts the dice the computer hands over on the dice buttons, hidden, and offers the answers
    // to its call.
    void functTurn();
    // Shows the call just made in the logs and passes the turn marker.
    void functCall();
    // Shows a decided game: the dice face up and the verdict. Whether the challenger won.
    bool functXTrust();

    // Hands the player's action to the table; a game it decides is then ended as the player
    // chooses. The call dialog hands the player's calls over through this.
    void act(const match::Action& action);

    // The table's events, shown while the screen is loaded.
    void gameStarted(const match::Match& match) override;
    void diceThrown(const match::Match& match, Seat seat, std::string_view thrown) override;
    void callMade(const match::Match& match, const match::CallRecord& made) override;
    void gameDecided(const match::Match& match, const GameOutcome& outcome) override;

    // The coach: below the status line, the player's chance of winning of each action open to
    // them now, against the computer at the table (CoachSource says how). Shown only when asked for
    // (its key or the Help menu), off when a stay starts.
    bool coachShown = false;
    void toggleCoach();

    // The end of a game told in the status line instead of its three message boxes, with the bar
    // of cmdPlayAgain and cmdStop for the last of them. The history is the same either way.
    bool endInStatusLine = false;
    // The coach was shown at some time during the match in play.
    bool coachUsedInMatch() const { return coachUsedInMatch_; }
    // The coach's line as things stand; empty when it has nothing to say.
    std::string coachLine();
    // The coach's line for the player's call of `call` now (the call dialog shows it).
    std::string coachCallLine(const FaceCounts& call);
    // The coach's hover hint: what its chances are, and against which computer.
    std::string coachHint();
    // Once the figures against the computer at hand are worked out, shows them in place of the
    // stand-ins the coach shows meanwhile; whether the status line changed. A screen asks it now
    // and then while the coach waits.
    bool showWorkedOutCoach();

    // The guided first game (see GuidedGame): what the table shows it, and the guide's line at
    // the head of the status line. Whoever presents the table follows the guide after each event.
    TableMoment guideMoment() const;
    void followGuide();
    // The player accepts the guided game: it starts now, or as the next game.
    void startGuidedGame();
    // The guide is skipped, or its offer declined: the game in play goes on.
    void endGuide();

    // Value of die i: the first character of its caption (0 when the caption is empty).
    int dieValue(int index) const;
    // The values of the five dice, in their places.
    std::array<int, kDiceCount> diceValues() const;
    // Puts the table's dice on the dice buttons, unmarked.
    void showTableDice();

    // What follows every recorded call, the player's or the computer's: Change and Call are
    // disabled, the five dice hidden and their marks cleared.
    void putDiceAway();
    // Stops the countdown: timer off, label back to "20" and hidden.
    void stopCountdown();

    // Colour of the turn markers Picture1, as red, green, blue.
    static constexpr std::array<int, 3> kMarkerColour{128, 128, 255};

protected:
    void design() override;
    void Form_Load() override;

protected:
    bool otherKey(std::string_view key) override;

private:
    // The guide's line as it heads the status line; empty when none does.
    std::string shownGuideLine_;
    void showGuideLine(const std::string& line);
    bool coachUsedInMatch_ = false;
    std::string shownCoachLine_;
    // The coach's line shows stand-ins while the figures against the computer are worked out.
    bool coachWaiting_ = false;
    // Puts the coach's line under the status line's text, or takes it away.
    void refreshCoach();
    // The figures the coach reads; nothing when there are none, and `refusal` the coach's line
    // saying why. `prefix` opens a line of figures that stand in for the computer's own.
    std::shared_ptr<const CoachFigures> coachFigures(std::string& refusal, std::string& prefix);
    // Against the Master, what it believes of the player's answer to the call `seen`: their
    // chance of trusting it, as its model holds it now; empty against any other computer.
    std::string masterBeliefText(const CoachFigures::ComputerCall& seen);
    // Shows the turn marker of the seat to move.
    void showTurn();
    void designNextGameBar();
    void showNextGameBar(bool shown);
    // Ends the stay after a decided game: the tally, then the welcome screen.
    void stopPlaying();
    // The computer's seat as the status line names it: its caption and whom it stands for,
    // "AI (Expert)".
    std::string computerSeatName() const;
    // The computer's call as the player receives it: the call in the logs, the dice hidden, and
    // Trust and XTrust waiting for the answer.
    void showComputersCall();
    // The end of a decided game: the figures, "Continue ? ", then the next match or the return
    // to the welcome screen.
    void concludeGame();
    // The status line while the player chooses dice to throw again.
    void showChangingStatus();
    // Marks the logs' last `lines` lines as what has just happened.
    void highlightLogs(int lines);
    // The last call on the table as digits; empty before the first.
    std::string lastCallDigits() const;
    void designDice();
    void designButtons();
    void designKeys();
    void designStatusLine();
};

} // namespace quintel
