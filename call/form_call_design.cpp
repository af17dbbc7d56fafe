#include "call/form_call.h"

#include "model/translation.h"

#include <string>
#include <string_view>
#include <utility>

namespace quintel {

namespace {

constexpr int kRowTop = 600;
constexpr int kRowStep = 480;
constexpr int kColumnStep = 360;

int rowTop(int row) {
    return kRowTop + kRowStep * row;
}

} // namespace

void FormCall::design() {
    windowCaption = "Call";
    clientWidth = 4680;
    clientHeight = 3795;

    designControl(Label8, "Label8", -1, ControlKind::Label, "No. of Dice", {1560, 0, 855, 255});
    designControl(Label7, "Label7", -1, ControlKind::Label, "Dice", {360, 240, 375, 255});
    for (int column = 0; column < kGridColumns; ++column) {
        designControl(Label9[static_cast<std::size_t>(column)], "Label9", column,
                      ControlKind::Label, std::to_string(column),
                      {1080 + kColumnStep * column, 240, 180, 255});
    }
    designGrid();
    for (int k = 0; k < kDiceCount; ++k) {
        designControl(lblDice[static_cast<std::size_t>(k)], "lblDice", k, ControlKind::Label, "",
                      {720 + 480 * k, 3360, 255, 255});
    }
    designControl(OK, "OK", -1, ControlKind::Button, "OK", {3480, 2280, 735, 375}, {.tabOrder = 0});
    designControl(Cancel, "Cancel", -1, ControlKind::Button, "Cancel", {3480, 2880, 735, 375},
                  {.tabOrder = 1});
    OK.click = [this] { OK_Click(); };
    Cancel.click = [this] { Cancel_Click(); };
    giveKey(OK, "Return", translated("Call", "Send the call"));
    giveKey(Cancel, "Esc", translated("Call", "Close without calling"));
    designControl(lblStatus, "lblStatus", -1, ControlKind::Label, "",
                  statusLinePlace(clientWidth, clientHeight));
    showStatus();
}

// The face keys 1..6 compose a call by typing it: each press adds one die of that face, as a
// click on the next column of its row would. Past five dice the row stays where it is.
bool FormCall::otherKey(std::string_view key) {
    if (key.size() != 1 || !isFaceDigit(key[0])) {
        return false;
    }
    const int face = key[0] - '0';
    const int column = selectedColumn(face) + 1;
    if (column > kDiceCount) {
        return false;
    }
    const auto click = Option1[callGridIndex(face, column)].click;
    click();
    return true;
}

// One row per face: its label, its die picture and a frame holding the six option buttons.
// Column 0 (no die of the face) is selected in every row.
void FormCall::designGrid() {
    for (int row = 0; row < kFaces; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const std::string face = std::to_string(row + 1);
        designControl(RowLabels[r], "Label" + face, -1, ControlKind::Label, face + " : X",
                      {360, rowTop(row), 495, 255});
        designControl(Images[r], "Image" + face, -1, ControlKind::Image, "",
                      {240, rowTop(row), 315, 315});
        designControl(Frame1[r], "Frame1", row, ControlKind::Frame, "",
                      {960, rowTop(row), 2295, 255});
        for (int column = 0; column < kGridColumns; ++column) {
            const std::size_t cell = callGridIndex(row + 1, column);
            const auto index = static_cast<int>(cell);
            Control& option = Option1[cell];
            designControl(option, "Option1", index, ControlKind::OptionButton, "",
                          {120 + kColumnStep * column, 0, 255, 255}, {.tabOrder = 2 + index});
            option.container = &Frame1[r];
            option.value = column == 0;
            option.click = [this, index] { Option1_Click(index); };
        }
    }
}

std::vector<Control*> FormCall::controls() {
    std::vector<Control*> all{&Label8, &Label7};
    for (Control& heading : Label9) {
        all.push_back(&heading);
    }
    for (int face = 1; face <= kFaces; ++face) {
        const auto row = static_cast<std::size_t>(face - 1);
        all.insert(all.end(), {&RowLabels[row], &Images[row], &Frame1[row]});
        for (int column = 0; column < kGridColumns; ++column) {
            all.push_back(&Option1[callGridIndex(face, column)]);
        }
    }
    for (Control& label : lblDice) {
        all.push_back(&label);
    }
    all.insert(all.end(), {&OK, &Cancel});
    return all;
}

} // namespace quintel
