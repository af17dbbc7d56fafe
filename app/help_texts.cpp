#include "app/help_texts.h"

#include <array>

#ifndef QUINTEL_VERSION
#error "QUINTEL_VERSION is set by the build from the project's version"
#endif

namespace quintel {

namespace {

constexpr std::array kKeys{
    KeyHelp{"Welcome", "Return", "Sign in and go to the table"},
    KeyHelp{"Table", "C", "Announce a call"},
    KeyHelp{"Table", "H", "Choose dice to throw again (Change)"},
    KeyHelp{"Table", "1 to 5", "Mark or unmark a die for the new throw"},
    KeyHelp{"Table", "R", "Throw the marked dice (Roll)"},
    KeyHelp{"Table", "Esc", "Keep the dice as they are (Cancel)"},
    KeyHelp{"Table", "T", "Trust the last call"},
    KeyHelp{"Table", "X", "Do not trust the last call (XTrust)"},
    KeyHelp{"Call", "1 to 6", "Add one die of that face to the call"},
    KeyHelp{"Call", "Return", "Send the call (OK)"},
    KeyHelp{"Call", "Esc", "Close without calling (Cancel)"},
};

HelpSection windowsSection() {
    return {"The three windows",
            {"Welcome: type your name, tick the rule options you want and press OK. The computer "
             "keeps a profile of your calls under your name; the top line says in which folder "
             "your files are.",
             "Table: your dice are the five buttons in the middle. The call log on the left lists "
             "every call of the game, the fix log beside it the dice each caller kept. The "
             "figures at the top right are the games you have won and played.",
             "Call: one row per face, one column per number of dice. Choose in each row how many "
             "dice of that face you call; the line at the bottom shows the call. OK sends it, "
             "Cancel closes the window."}};
}

HelpSection turnSection() {
    return {"How a turn goes",
            {"You start with five fresh dice. Press Call and announce a hand; the computer then "
             "either does not trust you, and the dice decide the game, or trusts you, throws some "
             "dice and calls higher.",
             "Then it is your move: Trust takes over the computer's dice, XTrust shows them. "
             "After trusting you may press Change, click the dice to throw again (marked with X) "
             "and press Roll, or Cancel to keep them; then you must call higher.",
             "After each game you are asked whether to continue. Stopping saves your profile and "
             "shows how many games you played and won."}};
}

HelpSection keysSection() {
    HelpSection section{"Keyboard", {"Every button can be pressed from the keyboard:"}, {}};
    for (const KeyHelp& key : kKeys) {
        section.paragraphs.push_back(std::string(key.window) + ": " + std::string(key.key) + " - " +
                                     std::string(key.action));
    }
    section.paragraphs.push_back("Tab moves between the controls and Space presses the one "
                                 "that has the focus. Keys do not reach a button while you type "
                                 "in a text box.");
    return section;
}

} // namespace

std::span<const KeyHelp> keyboardShortcuts() {
    return kKeys;
}

HelpPage helpPage() {
    return {"Playing Quintel", {windowsSection(), turnSection(), keysSection()}};
}

HelpPage aboutPage() {
    const std::string version(programVersion());
    return {"About Quintel",
            {{"Quintel " + version,
              {"A dice bluffing game for one player against the computer, which judges every "
               "call with exact dice probabilities and learns how you call.",
               "Version " + version + ".",
               "Released under the MIT licence: you may use, copy, change and pass on the "
               "program freely, as long as the licence notice comes with it. It comes without "
               "any warranty."},
              {}}}};
}

std::string_view programVersion() {
    return QUINTEL_VERSION;
}

} // namespace quintel
