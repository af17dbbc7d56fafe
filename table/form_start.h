#pragma once

#include "forms/control.h"
#include "forms/screen.h"
#include "model/dice.h"
#include "table/game_outcome.h"
#include "table/status_texts.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

class ExpertPolicy;

namespace solver {
class SolvedGame;
}

// The history's line after the logs of a game in which the coach was shown.
inline constexpr std::string_view kCoachHistoryLine = "Coach used";
// The coach's key on the table.
inline constexpr std::string_view kCoachKey = "A";
// What the coach's chances are, for its hover hint.
inline constexpr std::string_view kCoachHint =
    "The coach: each chance is the solved game's, both seats playing its equilibrium from here on; "
    "against the classic computer the best action may differ";

// A call of the computer's seat as it reaches the table.
struct HandedCall {
    std::string dice;                   // the five dice handed to the player, as digits
    std::array<int, kDiceCount> call{}; // the called dice in canonical order; 0 = no die
    // The call's level. A call of two pairs or three of a kind without its kicker keeps the level
    // of the five dice.
    int level = 0;
    std::array<int, kDiceCount> fix{}; // the dice the computer kept, from position 0; 0 = none
    std::string thrown{};              // the dice it threw this turn, as digits
};

// The table screen: seat names with turn markers, the five dice, the game buttons, the call and
// fix logs, the figures, the options label and the countdown. The dice are the captions of the
// Dice buttons: one digit, followed by "X" while marked for a re-throw.
class FormStart : public Screen {
public:
    explicit FormStart(Game& game) : Screen(game) {}

    Control Label5, lblSecond, Label2, Label3, Label4;
    Control Text1, Text2;
    std::array<Control, 4> lblName, Picture1;
    Control Roll, XChange;
    std::array<Control, kDiceCount> Dice;
    Control Change_Dice, Call1, XTrust, Trust, cmdExit;
    Control Timer1;
    // Under the table: whose turn it is, what the player can do now, how the last game ended.
    Control lblStatus;

    // Die i may be clicked to mark or unmark it (between Change and Roll or Cancel).
    std::array<bool, 6> DiceSelectable{};
    FaceCounts FixFaceCount{};

    std::vector<Control*> controls() override;
    void closeFromFrame() override { Form_Unload(); }
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
    void functStart();
    void functRandom();
    // Puts the dice the computer hands over (MessageFields(0)) on the dice buttons and offers the
    // answers to its call, already chosen in CallDice but not yet recorded.
    void functTurn();
    void functCall();
    bool functXTrust();

    // The computer's seat acts on the table through these two and nothing else.
    // It does not trust the player's last call: the game is counted, decided and ended.
    void computerChallenges();
    // It hands over its dice with its call: the player sees the call, the dice stay hidden, and
    // Trust and XTrust wait for the answer.
    void computerCalls(const HandedCall& handed);
    // Calls recorded since the match started: 1 while the computer answers the opening call.
    int callsInMatch() const { return callsInMatch_; }
    // The call recorded before the last one, in canonical order (0 = no die); none at the start
    // of a match.
    const std::array<int, kDiceCount>& callBeforeLast() const { return callBeforeLast_; }
    // How many dice the computer threw before its last call; 0 when it called at once.
    int diceComputerThrew() const { return diceComputerThrew_; }

    // The coach: below the status line, the solved game's chance of winning of each action open
    // to the player now. Shown only when asked for (its key or the Help menu), off when a stay
    // starts.
    bool coachShown = false;
    void toggleCoach();
    // The coach was shown at some time during the match in play.
    bool coachUsedInMatch() const { return coachUsedInMatch_; }
    // The coach's line as things stand; empty when it has nothing to say.
    std::string coachLine() const;
    // The coach's line for the player's call of `call` now (the call dialog shows it).
    std::string coachCallLine(const FaceCounts& call) const;

    // Level procedures: canonical order and face counts of the dice, the fixed dice, the last call.
    void Dice_Level_Cal();
    void Fix_Level_Cal();
    void Last_Level_Cal();

    // Value of die i: the first character of its caption (0 when the caption is empty).
    int dieValue(int index) const;
    // The values of the five dice, in their places.
    std::array<int, kDiceCount> diceValues() const;

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
    int callsInMatch_ = 0;
    std::array<int, kDiceCount> callBeforeLast_{};
    int diceComputerThrew_ = 0;
    bool coachUsedInMatch_ = false;
    std::string shownCoachLine_;
    // Puts the coach's line under the status line's text, or takes it away.
    void refreshCoach();
    // The solved game the coach reads, for the options in play; nothing when there is none, and
    // `refusal` the coach's line saying why.
    std::optional<ExpertPolicy> coachPolicy(std::string& refusal) const;
    // The last call on the table in the solved game's numbers; -1 before the first call.
    int coachLastCall(const ExpertPolicy& policy) const;
    void passTurn();
    // A game decided by `challenger` not trusting the last call: counted, the verdict shown and
    // kept as the game's outcome, and the game ended.
    void decideChallenge(Seat challenger);
    // The end of a decided game: the result message, the figures, "Continue ? ", the history
    // writes, then the next match or the return to the welcome screen.
    void concludeGame(const GameOutcome& outcome);
    // The game as decided by `challenger` not trusting the last call, on the dice on the table.
    GameOutcome challengeOutcome(Seat challenger, bool challengerWins) const;
    // The status line while the player chooses dice to throw again.
    void showChangingStatus();
    // Marks the logs' last `lines` lines as what has just happened.
    void highlightLogs(int lines);
    // The cover test: the dice hold every die of the last call (compares the face counts that
    // Dice_Level_Cal and Last_Level_Cal left).
    bool lastCallHeld() const;
    void designDice();
    void designButtons();
    void designKeys();
    void designStatusLine();
};

} // namespace quintel
