#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

// The texts behind the Help, Rule and About menus, kept apart from any window so that a view only
// lays them out: a page has sections, a section has paragraphs and may show example hands.

// Five (or fewer) dice written as face digits, "11664", that a view can draw as dice.
struct ExampleHand {
    std::string dice;
    std::string caption;
};

struct HelpSection {
    std::string title;
    std::vector<std::string> paragraphs;
    std::vector<ExampleHand> examples = {};
};

struct HelpPage {
    std::string title;
    std::vector<HelpSection> sections;
};

// A key and what it does in one window. `key` is a key name as the screens' controls use them
// ("C", "Esc", "Return") or a run of digit keys ("1 to 5").
struct KeyHelp {
    std::string_view window; // "Welcome", "Table" or "Call"
    std::string_view key;
    std::string_view action;
};

std::span<const KeyHelp> keyboardShortcuts();

// The rules of play: the hands, calls, trusting, challenges and the two rule options.
HelpPage rulesPage();
// How to use the program: the three windows, how a turn goes, the keyboard.
HelpPage helpPage();
// The program's name, version and licence.
HelpPage aboutPage();

// "1.0.0": the version the build was made as.
std::string_view programVersion();

} // namespace quintel
