#pragma once

#include "app/game_screen.h"
#include "forms/control.h"
#include "records/opponent.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

// A name with the two rule options and the opponent, as the player chose them at a sign-in.
struct WelcomeChoice {
    std::string name;
    bool fixAny = false;
    bool fixPermanent = false;
    Opponent opponent = Opponent::Classic;
    bool operator==(const WelcomeChoice&) const = default;
};

// The welcome screen: the player's name, the two rule options and sign-in.
class FormWelcome : public GameScreen {
public:
    explicit FormWelcome(Game& game) : GameScreen(game) {}

    Control Label1, txtName, Check1, Check2, btnOK, cmdExit;
    // Where the player's files are kept, so they can be found outside the game.
    Control lblFolder;
    // The opponent, beside the options: option buttons in a frame of their own, the fourth only
    // when an outside engine is offered.
    Control fraOpponent, optClassic, optExpert, optMaster, optEngine;
    // The outside engine offered beside the three computers, by the name it gave; empty for none.
    std::string engineName;

    // What the screen puts in its boxes whenever it loads: the design state until a sign-in,
    // then what that sign-in chose, so a returning player only has to press OK.
    WelcomeChoice offer;
    // Told of each sign-in that reaches the table, so it can be kept beyond this run.
    std::function<void(const WelcomeChoice&)> onSignIn;

    std::vector<Control*> controls() override;
    void closeFromFrame() override { cmdExit_Click(); }
    AccessibleText accessibleText(const Control& control) const override;

    void btnOK_Click();
    void cmdExit_Click();

    // The options text: "Fix Any", "Fix Permanent", "Fix Any + Fix Permanent" or empty.
    static std::string optionsText(bool fixAny, bool fixPermanent);

protected:
    void design() override;
    void Form_Load() override;

private:
    // After a sign-in: the table opens with the first game.
    void openTable();
    void designFolderLabel();
    void designOpponent();
    Opponent chosenOpponent() const;
};

} // namespace quintel
