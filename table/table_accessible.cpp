#include "table/form_start.h"

#include "model/hand_words.h"
#include "model/translation.h"

#include <string>

namespace quintel {

namespace {

// The names and descriptions a screen reader speaks, in the player's language; the captions they
// include are the screen's own.

std::string tableText(std::string_view english) {
    return translated("Accessible", english);
}

// "Die 2: five, marked to throw again"; a die the player cannot see is only "hidden".
std::string dieName(const Control& die) {
    const std::string number = std::to_string(die.index + 1);
    if (!die.visible) {
        return withArguments(tableText("Die %1: hidden"), {number});
    }
    const int face = die.caption.empty() ? 0 : die.caption.front() - '0';
    const std::string_view word = faceWord(face);
    const std::string faceName =
        word.empty() ? tableText("no face") : translatedMarked("Hands", word);
    if (die.caption.size() > 1) {
        return withArguments(tableText("Die %1: %2, marked to throw again"), {number, faceName});
    }
    if (!die.enabled) {
        return withArguments(tableText("Die %1: %2, kept by the last caller"), {number, faceName});
    }
    return withArguments(tableText("Die %1: %2"), {number, faceName});
}

// "Countdown: 20"; the name alone while the control shows nothing.
std::string withValue(const std::string& what, const std::string& value) {
    return value.empty() ? what : withArguments(tableText("%1: %2"), {what, value});
}

} // namespace

AccessibleText FormStart::accessibleText(const Control& control) const {
    if (control.name == "Dice") {
        return {dieName(control), control.tooltip};
    }
    if (control.name == "lblName") {
        return {
            withValue(withArguments(tableText("Seat %1"), {std::to_string(control.index + 1)}),
                      control.caption),
            tableText("A player at the table; the turn marker beside it shows whose turn it is")};
    }
    if (control.name == "Picture1") {
        const std::string& seat = lblName[static_cast<std::size_t>(control.index)].caption;
        return {withValue(withArguments(tableText("Turn marker of seat %1"),
                                        {std::to_string(control.index + 1)}),
                          seat),
                tableText("Shown beside the seat whose turn it is")};
    }
    if (&control == &Label5) {
        return {withValue(tableText("Rule options"), control.caption),
                tableText("The rule options of this stay")};
    }
    if (&control == &lblSecond) {
        return {withValue(tableText("Countdown"), control.caption),
                tableText("A countdown that never limits a turn")};
    }
    if (&control == &Label2) {
        return {withValue(tableText("Games won"), control.caption),
                tableText("Games you have won since you signed in")};
    }
    if (&control == &Label3) {
        return {tableText("of"), tableText("Stands between games won and games played")};
    }
    if (&control == &Label4) {
        return {withValue(tableText("Games played"), control.caption),
                tableText("Games played since you signed in")};
    }
    if (&control == &Text1) {
        return {tableText("Call log"),
                tableText("One line per call of this game: who called, and which dice")};
    }
    if (&control == &Text2) {
        return {tableText("Fix log"),
                tableText("One line per call of this game: the dice the caller kept")};
    }
    if (&control == &cmdExit) {
        return {control.caption, control.caption == "Exit"
                                     ? tableText("Close the table")
                                     : tableText("Start a new game at this table")};
    }
    if (&control == &lblStatus) {
        return {control.caption, tableText("Whose turn it is and what you can do now")};
    }
    return plainAccessibleText(control);
}

} // namespace quintel
