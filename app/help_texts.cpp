#include "app/help_texts.h"

#include "app/coach_texts.h"
#include "model/translation.h"

#include <array>

#ifndef QUINTEL_VERSION
#error "QUINTEL_VERSION is set by the build from the project's version"
#endif

namespace quintel {

namespace {

// The windows' names, the keys' names and the actions are in the catalogue of texts; the help
// shows them in the player's language.
constexpr std::string_view kWelcome = marked("HelpPage", "Welcome");
constexpr std::string_view kTable = marked("HelpPage", "Table");
constexpr std::string_view kCall = marked("HelpPage", "Call");
constexpr std::string_view kReturn = marked("HelpPage", "Return");
constexpr std::string_view kEsc = marked("HelpPage", "Esc");

constexpr std::array kKeys{
    KeyHelp{kWelcome, kReturn, marked("HelpPage", "Sign in and go to the table")},
    KeyHelp{kTable, "C", marked("HelpPage", "Announce a call")},
    KeyHelp{kTable, "H", marked("HelpPage", "Choose dice to throw again (Change)")},
    KeyHelp{kTable, marked("HelpPage", "1 to 5"),
            marked("HelpPage", "Mark or unmark a die for the new throw")},
    KeyHelp{kTable, "R", marked("HelpPage", "Throw the marked dice (Roll)")},
    KeyHelp{kTable, kEsc, marked("HelpPage", "Keep the dice as they are (Cancel)")},
    KeyHelp{kTable, "T", marked("HelpPage", "Trust the last call")},
    KeyHelp{kTable, "X", marked("HelpPage", "Do not trust the last call (XTrust)")},
    KeyHelp{kTable, kCoachKey, marked("HelpPage", "Show or hide the coach")},
    KeyHelp{kTable, kReturn,
            marked("HelpPage", "Play again, when the end of a game shows in the status line")},
    KeyHelp{kTable, kEsc,
            marked("HelpPage", "Stop, when the end of a game shows in the status line")},
    KeyHelp{kCall, marked("HelpPage", "1 to 6"),
            marked("HelpPage", "Add one die of that face to the call")},
    KeyHelp{kCall, kReturn, marked("HelpPage", "Send the call (OK)")},
    KeyHelp{kCall, kEsc, marked("HelpPage", "Close without calling (Cancel)")},
};

HelpSection windowsSection() {
    return {
        translated("HelpPage", "The three windows"),
        {translated(
             "HelpPage",
             "Welcome: type your name, tick the rule options you want, choose the computer you "
             "play against and press OK. The computer keeps a profile of your calls under your "
             "name; the top line says in which folder your files are."),
         translated(
             "HelpPage",
             "Table: your dice are the five buttons in the middle. The call log on the left lists "
             "every call of the game, the fix log beside it the dice each caller kept. The "
             "figures at the top right are the games you have won and played."),
         translated(
             "HelpPage",
             "Call: one row per face, one column per number of dice. Choose in each row how many "
             "dice of that face you call; the line at the bottom shows the call. OK sends it, "
             "Cancel closes the window.")}};
}

HelpSection turnSection() {
    return {
        translated("HelpPage", "How a turn goes"),
        {translated(
             "HelpPage",
             "You start with five fresh dice. Press Call and announce a hand; the computer then "
             "either does not trust you, and the dice decide the game, or trusts you, throws some "
             "dice and calls higher."),
         translated(
             "HelpPage",
             "Then it is your move: Trust takes over the computer's dice, XTrust shows them. "
             "After trusting you may press Change, click the dice to throw again (marked with X) "
             "and press Roll, or Cancel to keep them; then you must call higher."),
         translated(
             "HelpPage",
             "After each game you are asked whether to continue. Stopping saves your profile and "
             "shows how many games you played and won.")}};
}

HelpSection computersSection() {
    return {
        translated("HelpPage", "The three computers"),
        {translated(
             "HelpPage",
             "Classic judges every call with the exact chances of the dice and learns your "
             "habits: the profile of your calls tells it how often you bluff. Help, Your profile "
             "shows what it has learnt."),
         translated(
             "HelpPage",
             "The Expert plays the solved game: in every position it calls, trusts and throws in "
             "the proportions of the game's equilibrium, the best mix of bluffs and honest calls "
             "against any player. It does not learn, and cannot be beaten in the long run by "
             "reading its habits. If its solved game cannot be read, the classic computer plays "
             "instead and a message says why."),
         translated(
             "HelpPage",
             "The Master starts as the Expert and learns how you play: your calls after a throw, "
             "your trust and doubt of each call, the dice you keep. It keeps what it learnt under "
             "your name for each set of rule options, until your profile starts again. Where it "
             "has seen you often enough it answers your habits instead of the equilibrium, but "
             "only as far as a player who knew its answers could win at most its risk more than "
             "against the Expert: 2 % of a game unless you choose otherwise in Help, Settings, "
             "The Master's risk. It risks less the less it has seen of you.")}};
}

HelpSection coachSection() {
    return {
        translated("HelpPage", "The coach"),
        {translated(
             "HelpPage",
             "At the table, press A or choose Coach in the Help menu: below the status line the "
             "coach shows, for every action open to you now, your chance of winning the game "
             "against the computer you face: against the Classic computer and the Master if you "
             "answer their play as well as can be from here on, against the Expert if both "
             "players play the solved game. When two actions show the same chance, either is as "
             "good."),
         translated(
             "HelpPage",
             "The coach is off when you sign in. A game in which you used it is marked so in its "
             "history and in the record of games.")}};
}

HelpSection guidedGameSection() {
    return {translated("HelpPage", "The guided first game"),
            {translated("HelpPage",
                        "At your first sign-in, and from Help, Play a guided first game at the "
                        "table, you may play one game whose throws are always the same, in which a "
                        "box beside each control says what it does as it becomes live. Skip, or "
                        "Esc on the box, ends the guidance and the game goes on."),
             translated("HelpPage", "The guided game is written to your history like any game, but "
                                    "it is not counted in your figures, your profile or the record "
                                    "of games.")}};
}

HelpSection statisticsSection() {
    return {
        translated("HelpPage", "Statistics"),
        {translated(
             "HelpPage",
             "Help, Statistics shows the record of your games: games and wins with a moving win "
             "rate, the win rates by rule options and by computer with their 95 % intervals, "
             "calls and challenges, and whether the dice fall as fair dice do."),
         translated(
             "HelpPage",
             "The Games tab lists every game. Review steps through one game call by call and "
             "shows what the computer weighed; Export writes the selected games, or all of them "
             "when none is selected, as CSV or JSON.")}};
}

HelpSection keysSection() {
    HelpSection section{translated("HelpPage", "Keyboard"),
                        {translated("HelpPage", "Every button can be pressed from the keyboard:")},
                        {}};
    const std::string line = translated("HelpPage", "%1: %2 - %3");
    for (const KeyHelp& key : kKeys) {
        section.paragraphs.push_back(withArguments(
            line, {translatedMarked("HelpPage", key.window), translatedMarked("HelpPage", key.key),
                   translatedMarked("HelpPage", key.action)}));
    }
    section.paragraphs.push_back(
        translated("HelpPage", "Tab moves between the controls and Space presses the one that has "
                               "the focus. Keys do not reach a button while you type in a text "
                               "box."));
    return section;
}

} // namespace

std::span<const KeyHelp> keyboardShortcuts() {
    return kKeys;
}

HelpPage helpPage() {
    return {translated("HelpPage", "Playing Quintel"),
            {windowsSection(), turnSection(), computersSection(), coachSection(),
             guidedGameSection(), statisticsSection(), keysSection()}};
}

HelpPage aboutPage() {
    const std::string version(programVersion());
    return {translated("AboutPage", "About Quintel"),
            {{"Quintel " + version,
              {translated("AboutPage", "A dice bluffing game for one player against the computer, "
                                       "which judges every call with exact dice probabilities "
                                       "and learns how you call."),
               withArguments(translated("AboutPage", "Version %1."), {version}),
               translated("AboutPage",
                          "Released under the MIT licence: you may use, copy, change and pass on "
                          "the program freely, as long as the licence notice comes with it. It "
                          "comes without any warranty.")},
              {}}}};
}

std::string_view programVersion() {
    return QUINTEL_VERSION;
}

} // namespace quintel
