#include "call/form_call.h"

#include "model/hand_words.h"

#include <array>
#include <string>

namespace quintel {

namespace {

constexpr std::array<std::string_view, 6> kCounts{"No", "One", "Two", "Three", "Four", "Five"};

// "Two aces", "One six", "No fives"
std::string diceOfFace(int count, int face) {
    const std::string_view faces = count == 1 ? faceWord(face) : facesWord(face);
    return std::string(kCounts[static_cast<std::size_t>(count)]) + " " + std::string(faces);
}

} // namespace

AccessibleText FormCall::accessibleText(const Control& control) const {
    const int face = control.index + 1;
    if (control.name == "Option1") {
        const int row = control.index / kGridColumns + 1;
        const int count = control.index % kGridColumns;
        return {diceOfFace(count, row), "How many " + std::string(facesWord(row)) +
                                            " the call names; key " + std::to_string(row) +
                                            " adds one"};
    }
    if (control.name == "Frame1") {
        return {"Number of " + std::string(facesWord(face)),
                "Choose how many " + std::string(facesWord(face)) + " the call names"};
    }
    if (control.name == "Label9") {
        return {std::to_string(control.index) + (control.index == 1 ? " die" : " dice"),
                "Heading of the column that calls this many dice of a face"};
    }
    if (control.name == "lblDice") {
        const std::string_view word =
            control.caption.empty() ? "none" : faceWord(control.caption.front() - '0');
        return {"Called die " + std::to_string(face) + ": " + std::string(word),
                "The composed call, one die each, lowest face first"};
    }
    for (int row = 1; row <= kFaces; ++row) {
        const auto r = static_cast<std::size_t>(row - 1);
        if (&control == &RowLabels[r]) {
            return {"Row of " + std::string(facesWord(row)), "The face of this row of the grid"};
        }
        if (&control == &Images[r]) {
            return {"Die face: " + std::string(faceWord(row)), "The face of this row of the grid"};
        }
    }
    if (&control == &Label8) {
        return {"Number of dice", "Heading of the columns: how many dice of a face the call names"};
    }
    if (&control == &Label7) {
        return {"Dice", "Heading of the rows: one row per face"};
    }
    if (&control == &lblStatus) {
        return {control.caption, "Your call in words, your dice and the weakest call you may make"};
    }
    return plainAccessibleText(control);
}

} // namespace quintel
