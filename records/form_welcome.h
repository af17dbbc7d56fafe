#pragma once

#include "forms/control.h"
#include "forms/screen.h"

#include <string>
#include <vector>

namespace quintel {

// The welcome screen: the player's name, the two rule options and sign-in.
class FormWelcome : public Screen {
public:
    explicit FormWelcome(Game& game) : Screen(game) {}

    Control Label1, txtName, Check1, Check2, btnOK, cmdExit;
    // Where the player's files are kept, so they can be found outside the game.
    Control lblFolder;

    std::vector<Control*> controls() override;
    void closeFromFrame() override { cmdExit_Click(); }

    void btnOK_Click();
    void cmdExit_Click();

    // The options text: "Fix Any", "Fix Permanent", "Fix Any + Fix Permanent" or empty.
    static std::string optionsText(bool fixAny, bool fixPermanent);

protected:
    void design() override;
    void Form_Load() override;

private:
    // Sign-in once the player's files are ready: the options, the history header, the table.
    void openTable(bool fixAny, bool fixPermanent);
    void designFolderLabel();
};

} // namespace quintel
