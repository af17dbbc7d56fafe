#include "table/status_texts.h"

#include "model/dice.h"
#include "model/hand_words.h"

namespace quintel {

namespace {

std::string key(std::string_view what, std::string_view shortcut) {
    return std::string(what) + " (" + std::string(shortcut) + ")";
}

// "66432, a pair of sixes"
std::string withWords(std::string_view dice) {
    return std::string(dice) + ", " + handInWords(dice);
}

std::string diceCount(int count) {
    if (count == kDiceCount) {
        return "all five dice";
    }
    return std::to_string(count) + (count == 1 ? " die" : " dice");
}

std::string callMustBeat(std::string_view lastCall, const TableKeys& keys) {
    return key("Call", keys.call) + ": your call must beat " + std::string(lastCall) + ".";
}

// "AI kept 55 and threw 3 dice", "AI kept its five dice", "AI threw all five dice"
std::string whatTheComputerDid(const ComputerMove& move) {
    if (move.thrown == 0) {
        return move.name + " kept its five dice";
    }
    if (move.kept.empty()) {
        return move.name + " threw " + diceCount(move.thrown);
    }
    return move.name + " kept " + move.kept + " and threw " + diceCount(move.thrown);
}

} // namespace

std::string ownThrowStatus(std::string_view dice, const TableKeys& keys) {
    return "Your turn: your dice " + withWords(dice) + ". " +
           key("Make the first call", keys.call) + ".";
}

std::string computerCallStatus(const ComputerMove& move, const TableKeys& keys) {
    std::string text =
        whatTheComputerDid(move) + "; it calls " + move.call + ": " + handInWords(move.call) + ". ";
    if (!move.trustable) {
        return text + "Nothing beats it: " + key("do not trust it", keys.notTrust) + ".";
    }
    return text + key("Trust it", keys.trust) + " or " + key("do not trust it", keys.notTrust) +
           ".";
}

std::string trustedStatus(std::string_view lastCall, std::string_view dice, const TableKeys& keys) {
    return "You trusted " + std::string(lastCall) + " and hold " + withWords(dice) + ". " +
           key("Change dice", keys.change) + " or " + key("call", keys.call) +
           ": your call must beat " + std::string(lastCall) + ".";
}

std::string changingStatus(const ChangeChoice& choice, const TableKeys& keys) {
    const std::string after = key("Roll", keys.roll) + " or " + key("cancel", keys.cancel) + ".";
    const std::string marked = diceCount(choice.marked) + " marked to throw again. ";
    if (choice.selectable == 0) {
        return "No die can be chosen: " + marked + after;
    }
    return "Mark the dice to throw again (keys " + keys.firstDie + " to " + keys.lastDie +
           "): " + marked + after;
}

std::string thrownStatus(int thrown, std::string_view dice, std::string_view lastCall,
                         const TableKeys& keys) {
    const std::string threw = thrown == 0 ? "no dice" : diceCount(thrown);
    return "You threw " + threw + " and hold " + withWords(dice) + ". " +
           callMustBeat(lastCall, keys);
}

std::string challengeStatus(const GameOutcome& outcome, std::string_view computerName) {
    const bool playerChallenged = outcome.challenger == Seat::Human;
    const std::string who = playerChallenged
                                ? "You did not trust " + outcome.call
                                : std::string(computerName) + " did not trust your " + outcome.call;
    const std::string held = outcome.callHeld() ? " hold it" : " do not hold it";
    const std::string winner =
        outcome.winner == Seat::Human ? "you win" : std::string(computerName) + " wins";
    return who + "; the dice " + outcome.dice + held + ": " + winner + ".";
}

} // namespace quintel
