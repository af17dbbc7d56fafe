#include "model/translation.h"
#include "testing/table_fixture.h"

#include <gtest/gtest.h>

#include <set>

namespace quintel::testing {
namespace {

using AccessibleTexts = TableTest;

// Every control a window draws, and the status line, has a name and a description; names of
// controls of one kind differ, so that a screen reader tells them apart. With `translatedOnly`,
// each description has passed through the translator, which puts it in brackets.
void expectEveryControlSpoken(Screen& screen, const std::string& phase,
                              bool translatedOnly = false) {
    std::vector<Control*> spoken = screen.controls();
    if (Control* status = screen.statusLine()) {
        spoken.push_back(status);
    }
    std::set<std::pair<ControlKind, std::string>> names;
    for (const Control* control : spoken) {
        if (control->kind == ControlKind::Timer) {
            continue;
        }
        const AccessibleText text = screen.accessibleText(*control);
        const std::string which = phase + ": " + control->name + std::to_string(control->index);
        EXPECT_FALSE(text.name.empty()) << which;
        EXPECT_FALSE(text.description.empty()) << which;
        if (translatedOnly) {
            EXPECT_NE(text.description.find('['), std::string::npos)
                << which << " " << text.description;
        }
        const bool unnamedLabel = control->kind == ControlKind::Label && control->caption.empty();
        if (!unnamedLabel && control != screen.statusLine()) {
            EXPECT_TRUE(names.emplace(control->kind, text.name).second)
                << which << " " << text.name;
        }
    }
}

TEST_F(AccessibleTexts, EveryControlOfEveryScreenHasANameAndADescription) {
    game.start();
    expectEveryControlSpoken(game.formWelcome, "welcome");
    game.formWelcome.txtName.edited("Ann");
    game.formWelcome.btnOK.click();
    messages.clear();
    expectEveryControlSpoken(table, "own throw");
    table.Call1.click();
    expectEveryControlSpoken(dialog, "call dialog");
    dialog.Option1[callGridIndex(3, 2)].click();
    expectEveryControlSpoken(dialog, "composed");
    dialog.Cancel.click();
    reachAnswer("66543", "66", "66");
    expectEveryControlSpoken(table, "answer");
    table.Trust.click();
    table.Change_Dice.click();
    expectEveryControlSpoken(table, "changing");
}

TEST_F(AccessibleTexts, DescriptionsAreInThePlayersLanguage) {
    setTranslator([](std::string_view, std::string_view english) {
        return "[" + std::string(english) + "]";
    });
    game.start();
    expectEveryControlSpoken(game.formWelcome, "welcome", true);
    game.formWelcome.txtName.edited("Ann");
    game.formWelcome.btnOK.click();
    messages.clear();
    expectEveryControlSpoken(table, "own throw", true);
    table.Call1.click();
    expectEveryControlSpoken(dialog, "call dialog", true);
    setTranslator({});
}

TEST_F(AccessibleTexts, DiceSayTheirFaceTheirMarkAndWhenTheyAreHidden) {
    signIn(false, true);
    const auto dieName = [&](int i) {
        return table.accessibleText(table.Dice[static_cast<std::size_t>(i)]).name;
    };
    setDice("65432");
    EXPECT_EQ(dieName(1), "Die 2: five");
    EXPECT_EQ(table.accessibleText(table.Dice[1]).description,
              "Mark or unmark this die for a new throw (2)");

    reachAnswer("66543", "66", "66");
    EXPECT_EQ(dieName(1), "Die 2: hidden");
    table.Trust.click();
    EXPECT_EQ(dieName(0), "Die 1: six");
    // The computer kept its two sixes: under Fix Permanent they stay locked.
    table.Change_Dice.click();
    EXPECT_EQ(dieName(0), "Die 1: six, kept by the last caller");
    EXPECT_EQ(dieName(4), "Die 5: three, marked to throw again");
}

TEST_F(AccessibleTexts, LabelsAndTheGridSayWhatTheyHold) {
    signIn(true, false);
    EXPECT_EQ(table.accessibleText(table.Label5).name, "Rule options: Fix Any");
    EXPECT_EQ(table.accessibleText(table.Label2).name, "Games won: 0");
    EXPECT_EQ(table.accessibleText(table.lblName[1]).name, "Seat 2: AI");
    EXPECT_EQ(table.accessibleText(table.lblName[3]).name, "Seat 4");
    EXPECT_EQ(table.accessibleText(table.Picture1[0]).name, "Turn marker of seat 1: Ann");
    EXPECT_EQ(table.accessibleText(table.lblStatus).name, table.lblStatus.caption);

    table.Call1.click();
    EXPECT_EQ(dialog.accessibleText(dialog.Option1[callGridIndex(1, 2)]).name, "Two aces");
    EXPECT_EQ(dialog.accessibleText(dialog.Option1[callGridIndex(6, 1)]).name, "One six");
    EXPECT_EQ(dialog.accessibleText(dialog.Option1[callGridIndex(5, 0)]).name, "No fives");
    EXPECT_EQ(dialog.accessibleText(dialog.Frame1[3]).name, "Number of fours");
    EXPECT_EQ(dialog.accessibleText(dialog.lblDice[0]).name, "Called die 1: none");
    dialog.Option1[callGridIndex(6, 1)].click();
    EXPECT_EQ(dialog.accessibleText(dialog.lblDice[0]).name, "Called die 1: six");
}

} // namespace
} // namespace quintel::testing
