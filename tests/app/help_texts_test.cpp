#include "app/game.h"
#include "app/help_texts.h"
#include "model/call_rules.h"
#include "model/dice.h"
#include "testing/scripted_message_boxes.h"
#include "testing/table_fixture.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace quintel {
namespace {

const HelpSection& section(const HelpPage& page, std::string_view title) {
    const auto found = std::find_if(page.sections.begin(), page.sections.end(),
                                    [title](const HelpSection& s) { return s.title == title; });
    EXPECT_NE(found, page.sections.end()) << title;
    return *found;
}

TEST(RulesPage, ShowsOneHandOfEachKindInOrderAsTheGameArrangesIt) {
    const HelpPage rules = rulesPage();
    const auto& hands = section(rules, "The hands").examples;
    ASSERT_EQ(hands.size(), 7U);
    for (std::size_t kind = 0; kind < hands.size(); ++kind) {
        const std::string& dice = hands[kind].dice;
        EXPECT_EQ(arrangeDigits(dice), dice);
        EXPECT_EQ(shapeClass(shapeScore(countFaceDigits(dice))), static_cast<int>(kind)) << dice;
    }
}

TEST(RulesPage, ExampleCallsBeatWhatTheySayTheyBeat) {
    const HelpPage rules = rulesPage();
    for (const ExampleHand& call : section(rules, "Calls").examples) {
        const std::string beaten = call.caption.substr(std::string_view("beats ").size());
        EXPECT_TRUE(textBeats(call.dice, beaten)) << call.dice << " " << beaten;
        EXPECT_FALSE(textBeats(beaten, call.dice)) << call.dice << " " << beaten;
    }
}

// Each window's keys as the help lists them: "1 to 5" stands for the keys 1, 2, 3, 4 and 5.
std::set<std::string> helpKeys(std::string_view window) {
    std::set<std::string> keys;
    for (const KeyHelp& key : keyboardShortcuts()) {
        if (key.window != window) {
            continue;
        }
        if (key.key.size() == 6 && key.key.substr(1, 4) == " to ") {
            for (char digit = key.key[0]; digit <= key.key[5]; ++digit) {
                keys.insert(std::string(1, digit));
            }
        } else {
            keys.insert(std::string(key.key));
        }
    }
    return keys;
}

std::set<std::string> screenKeys(Screen& screen) {
    std::set<std::string> keys;
    for (const Screen::KeyUse& use : screen.shortcutList()) {
        keys.insert(use.key);
    }
    return keys;
}

TEST(HelpPage, ExplainsTheComputersTheCoachAndTheStatistics) {
    const HelpPage help = helpPage();
    const HelpSection& computers = section(help, "The three computers");
    EXPECT_NE(computers.paragraphs.at(1).find("Expert"), std::string::npos);
    EXPECT_NE(computers.paragraphs.at(2).find("2 % of a game"), std::string::npos)
        << "the Master's bound, which its safe response keeps";
    EXPECT_NE(section(help, "The coach").paragraphs.front().find("press A"), std::string::npos);
    EXPECT_FALSE(section(help, "Statistics").paragraphs.empty());
    EXPECT_NE(section(rulesPage(), "Calls").paragraphs.front().find("You open every game"),
              std::string::npos);
}

TEST(HelpPage, ListsTheKeysTheScreensAnswerTo) {
    TempFolder folder;
    ScriptedMessageBoxes boxes;
    RandomSource random{3};
    Game game{folder.path(), boxes, random};
    game.formWelcome.Load();
    game.formStart.Load();
    game.formCall.Load();
    EXPECT_EQ(helpKeys("Welcome"), screenKeys(game.formWelcome));
    std::set<std::string> tableKeys = screenKeys(game.formStart);
    tableKeys.insert(std::string(kCoachKey)); // the coach's key belongs to the table itself
    EXPECT_EQ(helpKeys("Table"), tableKeys);
    std::set<std::string> callKeys = screenKeys(game.formCall);
    callKeys.insert({"1", "2", "3", "4", "5", "6"}); // the face keys belong to the dialog itself
    EXPECT_EQ(helpKeys("Call"), callKeys);
}

using TableKeys = testing::TableTest;

// A key is only worth listing if the player can use it: the table's keys must each reach a live
// button in some phase of a game, with no message box over the table.
TEST_F(TableKeys, EveryKeyTheHelpListsForTheTableWorksInSomePhaseOfPlay) {
    std::set<std::string> live;
    const auto note = [&] {
        for (const Control* control : table.controls()) {
            if (!control->shortcut.empty() && control->enabled && control->visible) {
                live.insert(control->shortcut);
            }
        }
    };
    signIn();
    note();
    reachAnswer("66543", "66");
    note();
    table.Trust.click();
    note();
    table.Change_Dice.click();
    note();
    table.Roll.click();
    note();
    computer.calls("66543", "6666");
    humanCalls("666");
    note();
    for (const MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Yes}) {
        messages.answer(answer);
    }
    table.XTrust.click();
    ASSERT_TRUE(table.shown());
    note();

    EXPECT_TRUE(table.pressKey(std::string(kCoachKey)));
    EXPECT_TRUE(table.coachShown);
    live.insert(std::string(kCoachKey));
    // The end of a game in the status line: its bar's keys.
    table.endInStatusLine = true;
    reachAnswer("66543", "66");
    table.XTrust.click();
    note();
    for (const std::string& key : helpKeys("Table")) {
        EXPECT_TRUE(live.contains(key)) << key;
    }
}

} // namespace
} // namespace quintel
