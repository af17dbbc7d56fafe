#include "records/form_welcome.h"

#include "model/translation.h"

#include "app/game.h"

#include <utility>

namespace quintel {

namespace {

// A control in its design state; its callbacks are wired afterwards.
Control designed(std::string name, ControlKind kind, std::string caption, Place place,
                 int tabOrder) {
    Control control;
    designControl(control, std::move(name), -1, kind, std::move(caption), place,
                  {.tabOrder = tabOrder});
    return control;
}

} // namespace

std::vector<Control*> FormWelcome::controls() {
    std::vector<Control*> all{&Label1,     &txtName,   &Check1,    &Check2,
                              &btnOK,      &cmdExit,   &lblFolder, &fraOpponent,
                              &optClassic, &optExpert, &optMaster};
    if (!engineName.empty()) {
        all.push_back(&optEngine);
    }
    return all;
}

std::string FormWelcome::optionsText(bool fixAny, bool fixPermanent) {
    std::string text;
    if (fixAny) {
        text = "Fix Any";
    }
    if (fixAny && fixPermanent) {
        text += " +";
    }
    if (fixPermanent) {
        text += fixAny ? " Fix Permanent" : "Fix Permanent";
    }
    return text;
}

void FormWelcome::design() {
    windowCaption = "WELCOME";
    clientWidth = 4680;
    clientHeight = 3795;
    using enum ControlKind;
    Label1 = designed("Label1", Label, "Please Enter Your Name :", {1440, 480, 1935, 255}, 2);
    txtName = designed("txtName", TextBox, "", {1440, 810, 1935, 285}, 0);
    Check1 = designed("Check1", CheckBox, "Fix Any", {1680, 1200, 1695, 375}, 4);
    Check2 = designed("Check2", CheckBox, "Fix Permanent", {1680, 1680, 1695, 375}, 5);
    btnOK = designed("btnOK", Button, "OK", {1920, 2400, 975, 495}, 1);
    cmdExit = designed("cmdExit", Button, "Exit", {1920, 3120, 975, 495}, 3);
    txtName.edited = [this](std::string text) { txtName.caption = std::move(text); };
    Check1.click = [this] { Check1.value = !Check1.value; };
    Check2.click = [this] { Check2.value = !Check2.value; };
    btnOK.click = [this] { btnOK_Click(); };
    cmdExit.click = [this] { cmdExit_Click(); };
    // Return signs in from the name box. Exit has no key: a stray Esc should not end the program.
    giveKey(btnOK, "Return", translated("Welcome", "Sign in and go to the table"));
    Check1.tooltip = translated("Welcome", "Choose freely which dice to throw again");
    Check2.tooltip =
        translated("Welcome", "The dice the last caller kept stay locked at the next throw");
    designFolderLabel();
    designOpponent();
}

// The strip right of the options is free in the design; the first two choices stand on the
// options' rows, so the rest of the window keeps its place. The Master takes the row below them,
// beside OK, which is free as well, and an engine's choice the row below that: the frame grows
// down to them.
void FormWelcome::designOpponent() {
    const bool engineOffered = !engineName.empty();
    fraOpponent = designed("fraOpponent", ControlKind::Frame, "",
                           {3480, 1200, 1095, engineOffered ? 1815 : 1335}, -1);
    optClassic = designed("optClassic", ControlKind::OptionButton, "Classic", {0, 0, 1095, 375}, 6);
    optExpert = designed("optExpert", ControlKind::OptionButton, "Expert", {0, 480, 1095, 375}, 7);
    optMaster = designed("optMaster", ControlKind::OptionButton, "Master", {0, 960, 1095, 375}, 8);
    optEngine =
        designed("optEngine", ControlKind::OptionButton, engineName, {0, 1440, 1095, 375}, 9);
    optEngine.visible = engineOffered;
    for (Control* option : {&optClassic, &optExpert, &optMaster, &optEngine}) {
        option->container = &fraOpponent;
        option->click = [this, option] {
            for (Control* each : {&optClassic, &optExpert, &optMaster, &optEngine}) {
                each->value = each == option;
            }
        };
    }
    optClassic.value = true;
    optClassic.tooltip = translated("Welcome", "Play the game's own computer");
    optExpert.tooltip =
        translated("Welcome", "Play a computer that plays the solved game: its best mix of bluffs");
    optMaster.tooltip =
        translated("Welcome", "Play a computer that plays the solved game and learns "
                              "your habits, within the risk set in Help, Settings "
                              "(2 % of a game unless you choose otherwise)");
    optEngine.tooltip =
        withArguments(translated("Welcome", "Play the outside engine %1"), {engineName});
}

Opponent FormWelcome::chosenOpponent() const {
    if (optEngine.value && !engineName.empty()) {
        return Opponent::Engine;
    }
    if (optMaster.value) {
        return Opponent::Master;
    }
    return optExpert.value ? Opponent::Expert : Opponent::Classic;
}

// Along the top, above the name prompt: the only strip of the window wide enough for a path.
void FormWelcome::designFolderLabel() {
    const std::string folder = game().dataFolder.string();
    lblFolder = designed("lblFolder", ControlKind::Label, "Your files: " + folder,
                         {120, 60, 4440, 255}, -1);
    lblFolder.tooltip = folder;
}

// The start-up tables are constants of this program, so loading the screen only fills the boxes.
void FormWelcome::Form_Load() {
    txtName.caption = offer.name;
    Check1.value = offer.fixAny;
    Check2.value = offer.fixPermanent;
    // An engine chosen before is chosen again only when it is offered now.
    const bool engine = offer.opponent == Opponent::Engine && !engineName.empty();
    optClassic.value =
        offer.opponent == Opponent::Classic || (offer.opponent == Opponent::Engine && !engine);
    optExpert.value = offer.opponent == Opponent::Expert;
    optMaster.value = offer.opponent == Opponent::Master;
    optEngine.value = engine;
}

void FormWelcome::btnOK_Click() {
    Game& g = game();
    const WelcomeChoice choice{txtName.caption, Check1.value, Check2.value, chosenOpponent()};
    if (!g.signIn(choice)) {
        return;
    }
    offer = choice;
    if (onSignIn) {
        onSignIn(offer);
    }
    openTable();
}

void FormWelcome::openTable() {
    Game& g = game();
    // The coach is off when a stay starts: shown only when asked for.
    g.formStart.coachShown = false;
    g.formStart.Load();
    g.formStart.Label5.caption = optionsText(offer.fixAny, offer.fixPermanent);
    Unload();
    g.formStart.Show();
}

void FormWelcome::cmdExit_Click() {
    game().quit();
}

} // namespace quintel
