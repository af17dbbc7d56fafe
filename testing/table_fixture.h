#pragma once

#include "app/game.h"
#include "model/call_grid.h"
#include "model/dice.h"
#include "model/random_source.h"
#include "testing/scripted_message_boxes.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>

namespace quintel::testing {

// The call dialog's option for `count` dice of `face`.
inline Control& gridOption(FormCall& dialog, int face, int count) {
    return dialog.Option1[callGridIndex(face, count)];
}

inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The computer's seat played from a script: each turn either hands its dice over with a call or
// does not trust the player's call, through the table's procedures for that seat.
class ScriptedComputer : public ComputerPlayer {
public:
    struct Move {
        bool challenge = false;
        std::string dice;    // the five dice handed to the player
        std::string call;    // digits in canonical order
        std::string fix;     // the kept dice, from position 0
        bool atOnce = false; // nothing thrown: the dice are those the player handed over
    };

    std::deque<Move> moves;
    // The call dialog's texts as each turn found them: CallString, DiceString, FixString.
    std::vector<std::array<std::string, 3>> seen;
    // Run at the start of each turn, before its move: the real turn updates the profile there.
    std::function<void(GameState&)> learns;

    void calls(std::string dice, std::string call, std::string fix = "") {
        moves.push_back({false, std::move(dice), std::move(call), std::move(fix)});
    }
    // A call without a throw, leaving `fix` fixed on the table.
    void callsAtOnce(std::string dice, std::string call, std::string fix = "") {
        moves.push_back({false, std::move(dice), std::move(call), std::move(fix), true});
    }
    void challenges() { moves.push_back({true, {}, {}, {}}); }

    void Computer_AI(Game& game) override {
        seen.push_back(
            {game.formCall.CallString, game.formCall.DiceString, game.formCall.FixString});
        if (learns) {
            learns(game.state);
        }
        ASSERT_FALSE(moves.empty()) << "the computer's seat has no move left";
        const Move move = moves.front();
        moves.pop_front();
        if (move.challenge) {
            game.formStart.computerChallenges();
        } else {
            game.formStart.computerCalls(handedCall(move));
        }
    }

private:
    static HandedCall handedCall(const Move& move) {
        // As a real seat does: the dice are the kept ones followed by those thrown again.
        HandedCall handed{move.dice,
                          {},
                          shapeScore(countFaceDigits(move.call)),
                          {},
                          move.atOnce
                              ? std::string()
                              : move.dice.substr(std::min(move.fix.size(), move.dice.size()))};
        for (std::size_t i = 0; i < move.call.size(); ++i) {
            handed.call[i] = move.call[i] - '0';
        }
        for (std::size_t i = 0; i < move.fix.size(); ++i) {
            handed.fix[i] = move.fix[i] - '0';
        }
        return handed;
    }
};

// A game signed in through the welcome screen, with scripted message boxes, a fixed seed and a
// scripted computer seat.
class TableTest : public ::testing::Test {
protected:
    TableTest() { game.computer = &computer; }

    TempFolder folder;
    ScriptedMessageBoxes messages;
    RandomSource random{20240611};
    Game game{folder.path(), messages, random};
    ScriptedComputer computer;
    GameState& state = game.state;
    FormStart& table = game.formStart;
    FormCall& dialog = game.formCall;

    void signIn(bool fixAny = false, bool fixPermanent = false, std::string name = "Ann") {
        game.start();
        FormWelcome& welcome = game.formWelcome;
        welcome.txtName.edited(std::move(name));
        welcome.Check1.value = fixAny;
        welcome.Check2.value = fixPermanent;
        welcome.btnOK.click();
        ASSERT_TRUE(table.shown()) << ::testing::PrintToString(messages.texts());
        messages.clear();
    }

    // The dice captions joined: "66X543" shows a marked second six.
    std::string dice() const {
        std::string all;
        for (const Control& die : table.Dice) {
            all += (all.empty() ? "" : " ") + die.caption;
        }
        return all;
    }

    void setDice(std::string_view digits) {
        for (std::size_t i = 0; i < table.Dice.size(); ++i) {
            table.Dice[i].caption = std::string(1, digits[i]);
        }
    }

    // Opens the dialog and selects, for each digit of `faces`, one more die of that face.
    void compose(std::string_view faces) {
        table.Call1.click();
        const FaceCounts counts = countFaceDigits(faces);
        for (int face = 1; face <= 6; ++face) {
            const int count = counts[static_cast<std::size_t>(face)];
            if (count > 0) {
                dialog.Option1[callGridIndex(face, count)].click();
            }
        }
    }

    // The player calls `faces` through the call dialog.
    void humanCalls(std::string_view faces) {
        compose(faces);
        dialog.OK.click();
    }

    // The player's first call (a single 2, which anything beats), answered by the computer.
    void reachAnswer(std::string computerDice, std::string call, std::string fix = "") {
        computer.calls(std::move(computerDice), std::move(call), std::move(fix));
        humanCalls("2");
    }

    // The game buttons as the phases describe them: E/D enabled or disabled, S/H shown or hidden.
    std::string buttons() const {
        const auto on = [](const Control& c) { return c.enabled ? "E" : "D"; };
        const auto seen = [](const Control& c) { return c.visible ? "S" : "H"; };
        return std::string("Call1 ") + on(table.Call1) + ", Change " + on(table.Change_Dice) +
               ", Roll " + seen(table.Roll) + ", XChange " + seen(table.XChange) + ", Trust " +
               on(table.Trust) + ", XTrust " + on(table.XTrust);
    }

    // Per die: S shown or H hidden, then E enabled or D disabled.
    std::string diceLook() const {
        std::string look;
        for (const Control& die : table.Dice) {
            look += std::string(die.visible ? "S" : "H") + (die.enabled ? "E" : "D") + " ";
        }
        look.pop_back();
        return look;
    }
};

} // namespace quintel::testing
