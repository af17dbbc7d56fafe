#pragma once

#include "app/game_screen.h"
#include "call/call_status.h"
#include "forms/control.h"
#include "model/call_grid.h"
#include "model/dice.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

// The call dialog: a grid of option buttons, one row per face and one column per number of dice,
// a preview of the composed call, OK and Cancel. Its OK hands the call to the table, which lets
// the computer answer before it returns.
class FormCall : public GameScreen {
public:
    explicit FormCall(Game& game) : GameScreen(game) {}

    Control Label8, Label7;
    std::array<Control, kGridColumns> Label9; // column headings "0".."5"
    std::array<Control, kFaces> RowLabels;    // Label1..Label6: "1 : X".."6 : X"
    std::array<Control, kFaces> Images;       // Image1..Image6: the die face of each row
    std::array<Control, kFaces> Frame1;
    std::array<Control, kGridCells> Option1; // row f, column c is element callGridIndex(f, c)
    std::array<Control, kDiceCount> lblDice;
    Control OK, Cancel;
    // Under the grid: the composed call in words, the player's dice and the weakest call allowed.
    Control lblStatus;

    // The call being composed, in canonical order once Level_Cal has run (0 = no die), with its
    // face counts and shape score.
    std::array<int, kDiceCount> CallDice{};
    FaceCounts CallFaceCount{};
    int CallLevel = 0;
    bool CallIsHigher = false;

    std::vector<Control*> controls() override;
    Control* statusLine() override { return &lblStatus; }
    AccessibleText accessibleText(const Control& control) const override;

    // What the status line reports: the grid's call against the table's dice and last call.
    CallFacts callFacts() const;

    // Handlers.
    void Option1_Click(int index);
    void OK_Click();
    void Cancel_Click();

    // Procedures.
    // Shows the composed dice in lblDice; false, after telling the player, for none or over five.
    bool Check_Call();
    // Hands CallDice to the table when it beats the last call, and the computer answers it.
    // Otherwise tells the player "Incorrect Input".
    void SendCall();
    // Puts CallDice in canonical order and fills CallFaceCount and CallLevel.
    void Level_Cal();
    // Sets CallIsHigher: CallDice beats the last call on the table.
    void Check2();

protected:
    // Builds the dialog afresh: column 0 selected in every row, the preview empty.
    void design() override;
    bool otherKey(std::string_view key) override;

private:
    void designGrid();
    void showStatus();
    // The column selected in the row of face `face` (1..6): how many dice of that face are called.
    int selectedColumn(int face) const;
};

} // namespace quintel
