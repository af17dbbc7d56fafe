#pragma once

#include "forms/control.h"
#include "forms/screen.h"
#include "model/call_grid.h"
#include "model/dice.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

// The call dialog: a grid of option buttons, one row per face and one column per number of dice,
// a preview of the composed call, OK and Cancel. Its OK hands the call to the table and runs the
// computer's turn before it returns.
class FormCall : public Screen {
public:
    explicit FormCall(Game& game) : Screen(game) {}

    Control Label8, Label7;
    std::array<Control, kGridColumns> Label9; // column headings "0".."5"
    std::array<Control, kFaces> RowLabels;    // Label1..Label6: "1 : X".."6 : X"
    std::array<Control, kFaces> Images;       // Image1..Image6: the die face of each row
    std::array<Control, kFaces> Frame1;
    std::array<Control, kGridCells> Option1; // row f, column c is element callGridIndex(f, c)
    std::array<Control, kDiceCount> lblDice;
    Control OK, Cancel;

    bool CallIsHigher = false;
    // The texts the computer's turn reads (and rewrites) after a call is handed over.
    std::string CallString, DiceString, FixString;
    FaceCounts CallStringCount{}, DiceStringCount{};
    int CallStringLevel = 0;
    int DiceStringLevel = 0;

    std::vector<Control*> controls() override;

    // Handlers.
    void Option1_Click(int index);
    void OK_Click();
    void Cancel_Click();

    // Procedures.
    bool Check_Call();
    void SendCall();
    void Level_Cal();
    void Check2();
    bool Check3();
    bool CompareFixDice();
    void Call_Arrange();
    void Dice_Arrange();
    void Computer_AI();

protected:
    // Builds the dialog afresh: column 0 selected in every row, the preview empty.
    void design() override;
    bool otherKey(std::string_view key) override;

private:
    void designGrid();
    // The column selected in the row of face `face` (1..6): how many dice of that face are called.
    int selectedColumn(int face) const;
};

} // namespace quintel
