#include "table/form_start.h"

#include "model/hand_words.h"

#include <string>

namespace quintel {

namespace {

// "Die 2: five, marked to throw again"; a die the player cannot see is only "hidden".
std::string dieName(const Control& die) {
    std::string name = "Die " + std::to_string(die.index + 1) + ": ";
    if (!die.visible) {
        return name + "hidden";
    }
    const int face = die.caption.empty() ? 0 : die.caption.front() - '0';
    const std::string_view word = faceWord(face);
    name += word.empty() ? "no face" : word;
    if (die.caption.size() > 1) {
        name += ", marked to throw again";
    } else if (!die.enabled) {
        name += ", kept by the last caller";
    }
    return name;
}

std::string withValue(std::string_view what, const std::string& value) {
    return value.empty() ? std::string(what) : std::string(what) + ": " + value;
}

} // namespace

AccessibleText FormStart::accessibleText(const Control& control) const {
    if (control.name == "Dice") {
        return {dieName(control), control.tooltip};
    }
    if (control.name == "lblName") {
        return {withValue("Seat " + std::to_string(control.index + 1), control.caption),
                "A player at the table; the turn marker beside it shows whose turn it is"};
    }
    if (control.name == "Picture1") {
        const std::string& seat = lblName[static_cast<std::size_t>(control.index)].caption;
        return {withValue("Turn marker of seat " + std::to_string(control.index + 1), seat),
                "Shown beside the seat whose turn it is"};
    }
    if (&control == &Label5) {
        return {withValue("Rule options", control.caption), "The rule options of this stay"};
    }
    if (&control == &lblSecond) {
        return {withValue("Countdown", control.caption), "A countdown that never limits a turn"};
    }
    if (&control == &Label2) {
        return {withValue("Games won", control.caption), "Games you have won since you signed in"};
    }
    if (&control == &Label3) {
        return {"of", "Stands between games won and games played"};
    }
    if (&control == &Label4) {
        return {withValue("Games played", control.caption), "Games played since you signed in"};
    }
    if (&control == &Text1) {
        return {"Call log", "One line per call of this game: who called, and which dice"};
    }
    if (&control == &Text2) {
        return {"Fix log", "One line per call of this game: the dice the caller kept"};
    }
    if (&control == &cmdExit) {
        return {control.caption,
                control.caption == "Exit" ? "Close the table" : "Start a new game at this table"};
    }
    if (&control == &lblStatus) {
        return {control.caption, "Whose turn it is and what you can do now"};
    }
    return plainAccessibleText(control);
}

} // namespace quintel
