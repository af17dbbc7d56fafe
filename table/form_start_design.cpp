#include "table/form_start.h"

#include "app/game.h"
#include "model/message_boxes.h"
#include "model/translation.h"

#include <string>
#include <utility>

namespace quintel {

namespace {

using Look = ControlLook;

void shapeButton(Control& control, std::string name, std::string caption, Place place, Look look) {
    designControl(control, std::move(name), -1, ControlKind::Button, std::move(caption), place,
                  look);
}

// `kept` is the game's copy of the log, which the history file receives.
void shapeLog(Control& log, std::string name, Place place, int tabOrder, std::string& kept) {
    designControl(log, std::move(name), -1, ControlKind::TextBox, "", place,
                  {.tabOrder = tabOrder});
    // The logs accept typing: whatever they hold at the end of a game goes to the history file.
    log.edited = [&log, &kept](std::string text) {
        log.caption = text;
        kept = std::move(text);
    };
}

constexpr int kSeatTop = 1800;
constexpr int kSeatStep = 480;
constexpr int kDiceLeft = 2280;
constexpr int kDiceStep = 480;

} // namespace

void FormStart::design() {
    windowCaption = std::string(kAppTitle);
    clientWidth = 4680;
    clientHeight = 3795;

    designControl(Label5, "Label5", -1, ControlKind::Label, "", {120, 120, 1695, 255});
    designControl(lblSecond, "lblSecond", -1, ControlKind::Label, "", {2160, 0, 735, 255},
                  {.visible = false});
    designControl(Label2, "Label2", -1, ControlKind::Label, "0", {3480, 120, 255, 255});
    designControl(Label3, "Label3", -1, ControlKind::Label, "/", {3840, 120, 255, 255});
    designControl(Label4, "Label4", -1, ControlKind::Label, "0", {4080, 120, 375, 255});
    // Hover hints for what the table's captions cannot say.
    lblSecond.tooltip = translated("Table", "A countdown that never limits a turn");
    Label2.tooltip = translated("Table", "Games you have won since you signed in");
    Label3.tooltip = translated("Table", "Games won / games played since you signed in");
    Label4.tooltip = translated("Table", "Games played since you signed in");
    shapeLog(Text1, "Text1", {240, 360, 2175, 1215}, 0, game().logs.callLog);
    shapeLog(Text2, "Text2", {2400, 360, 2055, 1215}, 1, game().logs.fixLog);

    for (int seat = 0; seat < 4; ++seat) {
        const int top = kSeatTop + kSeatStep * seat;
        const auto s = static_cast<std::size_t>(seat);
        designControl(lblName[s], "lblName", seat, ControlKind::Label, "", {120, top, 1215, 255});
        designControl(Picture1[s], "Picture1", seat, ControlKind::PictureBox, "",
                      {1560, top, 255, 255}, {.visible = false});
        Picture1[s].tooltip = translated("Table", "Shows whose turn it is");
    }
    designButtons();
    designDice();
    designNextGameBar();
    // The timer has no interval, so it never ticks (see Timer1_Timer); it is never drawn either.
    designControl(Timer1, "Timer1", -1, ControlKind::Timer, "", {360, 840, 0, 0},
                  {.visible = false});
    designStatusLine();
}

void FormStart::designButtons() {
    shapeButton(Roll, "Roll", "Roll", {2640, 1800, 735, 375}, {.visible = false, .tabOrder = 2});
    shapeButton(XChange, "XChange", "Cancel", {3600, 1800, 735, 375},
                {.visible = false, .tabOrder = 3});
    shapeButton(Call1, "Call1", "Call", {3600, 2760, 735, 375}, {.enabled = false, .tabOrder = 4});
    shapeButton(Change_Dice, "Change_Dice", "Change", {2640, 2760, 735, 375},
                {.enabled = false, .tabOrder = 5});
    shapeButton(XTrust, "XTrust", "XTrust", {2640, 3240, 735, 375},
                {.enabled = false, .tabOrder = 6});
    shapeButton(Trust, "Trust", "Trust", {3600, 3240, 735, 375}, {.enabled = false, .tabOrder = 7});
    shapeButton(cmdExit, "cmdExit", "Exit", {1920, 3360, 615, 255}, {.tabOrder = 8});

    Roll.click = [this] { Roll_Click(); };
    XChange.click = [this] { XChange_Click(); };
    Call1.click = [this] { Call1_Click(); };
    Change_Dice.click = [this] { Change_Dice_Click(); };
    XTrust.click = [this] { XTrust_Click(); };
    Trust.click = [this] { Trust_Click(); };
    cmdExit.click = [this] { cmdExit_Click(); };
    designKeys();
}

// Keys a player would guess: the first letter of a button's word, H for cHange since C calls,
// X as on the XTrust button, Esc to back out of a change. The Exit button has none: it is live
// only while the messages that end a game cover the table.
void FormStart::designKeys() {
    giveKey(Roll, "R", translated("Table", "Throw the marked dice"));
    giveKey(XChange, "Esc", translated("Table", "Keep the dice as they are"));
    giveKey(Call1, "C", translated("Table", "Announce a call"));
    giveKey(Change_Dice, "H", translated("Table", "Choose dice to throw again"));
    giveKey(XTrust, "X", translated("Table", "Do not trust the last call: show the dice"));
    giveKey(Trust, "T", translated("Table", "Trust the last call and take the dice"));
}

// Over the seats that a game of two leaves empty, below the two players.
void FormStart::designNextGameBar() {
    shapeButton(cmdPlayAgain, "cmdPlayAgain", "Play again", {120, 2760, 1215, 375},
                {.visible = false, .tabOrder = 14});
    shapeButton(cmdStop, "cmdStop", "Stop", {120, 3240, 1215, 375},
                {.visible = false, .tabOrder = 15});
    giveKey(cmdPlayAgain, "Return", translated("Table", "Play the next game"));
    giveKey(cmdStop, "Esc", translated("Table", "Stop playing and see the tally"));
    cmdPlayAgain.click = [this] {
        showNextGameBar(false);
        functStart();
    };
    cmdStop.click = [this] {
        showNextGameBar(false);
        stopPlaying();
    };
}

void FormStart::designDice() {
    for (int i = 0; i < kDiceCount; ++i) {
        Control& die = Dice[static_cast<std::size_t>(i)];
        designControl(die, "Dice", i, ControlKind::Button, "",
                      {kDiceLeft + kDiceStep * i, 2280, 375, 375},
                      {.visible = false, .tabOrder = 9 + i});
        die.click = [this, i] { Dice_Click(i); };
        giveKey(die, std::to_string(i + 1),
                translated("Table", "Mark or unmark this die for a new throw"));
    }
}

std::vector<Control*> FormStart::controls() {
    std::vector<Control*> all{&Label5, &lblSecond, &Label2, &Label3, &Label4, &Text1, &Text2};
    for (std::size_t seat = 0; seat < lblName.size(); ++seat) {
        all.push_back(&lblName[seat]);
        all.push_back(&Picture1[seat]);
    }
    all.insert(all.end(), {&Roll, &XChange});
    for (Control& die : Dice) {
        all.push_back(&die);
    }
    all.insert(all.end(),
               {&Change_Dice, &Call1, &XTrust, &Trust, &cmdExit, &cmdPlayAgain, &cmdStop, &Timer1});
    return all;
}

} // namespace quintel
