#include "call/form_call.h"

#include "model/hand_words.h"
#include "model/translation.h"

#include <array>
#include <string>

namespace quintel {

namespace {

std::string callText(std::string_view english) {
    return translated("Accessible", english);
}

std::string faceName(int face) {
    return translatedMarked("Hands", faceWord(face));
}

std::string facesName(int face) {
    return translatedMarked("Hands", facesWord(face));
}

// "Two aces", "One six", "No fives": a sentence of its own per count, as languages count faces
// their own ways.
std::string diceOfFace(int count, int row) {
    static constexpr std::array<std::string_view, 6> kCounts{
        marked("Accessible", "No %1"),   marked("Accessible", "One %1"),
        marked("Accessible", "Two %1"),  marked("Accessible", "Three %1"),
        marked("Accessible", "Four %1"), marked("Accessible", "Five %1")};
    return withArguments(translatedMarked("Accessible", kCounts[static_cast<std::size_t>(count)]),
                         {count == 1 ? faceName(row) : facesName(row)});
}

} // namespace

AccessibleText FormCall::accessibleText(const Control& control) const {
    if (control.name == "Option1") {
        const int row = control.index / kGridColumns + 1;
        const int count = control.index % kGridColumns;
        return {diceOfFace(count, row),
                withArguments(callText("How many %1 the call names; key %2 adds one"),
                              {facesName(row), std::to_string(row)})};
    }
    if (control.name == "Frame1") {
        const int row = control.index + 1;
        return {withArguments(callText("Number of %1"), {facesName(row)}),
                withArguments(callText("Choose how many %1 the call names"), {facesName(row)})};
    }
    if (control.name == "Label9") {
        const std::string count = std::to_string(control.index);
        return {control.index == 1 ? callText("1 die")
                                   : withArguments(callText("%1 dice"), {count}),
                callText("Heading of the column that calls this many dice of a face")};
    }
    if (control.name == "lblDice") {
        const std::string word =
            control.caption.empty() ? callText("none") : faceName(control.caption.front() - '0');
        return {
            withArguments(callText("Called die %1: %2"), {std::to_string(control.index + 1), word}),
            callText("The composed call, one die each, lowest face first")};
    }
    for (int row = 1; row <= kFaces; ++row) {
        const auto r = static_cast<std::size_t>(row - 1);
        if (&control == &RowLabels[r]) {
            return {withArguments(callText("Row of %1"), {facesName(row)}),
                    callText("The face of this row of the grid")};
        }
        if (&control == &Images[r]) {
            return {withArguments(callText("Die face: %1"), {faceName(row)}),
                    callText("The face of this row of the grid")};
        }
    }
    if (&control == &Label8) {
        return {callText("Number of dice"),
                callText("Heading of the columns: how many dice of a face the call names")};
    }
    if (&control == &Label7) {
        return {callText("Dice"), callText("Heading of the rows: one row per face")};
    }
    if (&control == &lblStatus) {
        return {control.caption,
                callText("Your call in words, your dice and the weakest call you may make")};
    }
    return plainAccessibleText(control);
}

} // namespace quintel
