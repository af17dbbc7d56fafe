#pragma once

#include "app/game.h"
#include "match/match.h"
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

// The computer's seat played from a script: each turn either does not trust the player's call,
// or trusts it and hands over the scripted dice with its call, whatever the dice it took over and
// the rules of the throw: the table is put in the position the script describes.
class ScriptedComputer : public match::Player {
public:
    struct Move {
        bool challenge = false;
        std::string dice;    // the five dice handed to the player
        std::string call;    // digits in canonical order
        std::string fix;     // the kept dice, from position 0
        bool atOnce = false; // nothing thrown: the fixed dice stay as they were unless given
    };

    explicit ScriptedComputer(Game& game) : game_(game) {}

    std::deque<Move> moves;
    // What the seat saw of each call it answered.
    std::vector<match::SeatView> seen;
    // Run as it answers each call, before its move, where a real seat weighs the call.
    std::function<void()> onAnswer;

    void calls(std::string dice, std::string call, std::string fix = "") {
        moves.push_back({false, std::move(dice), std::move(call), std::move(fix)});
    }
    // A call without a throw, leaving `fix` fixed on the table.
    void callsAtOnce(std::string dice, std::string call, std::string fix = "") {
        moves.push_back({false, std::move(dice), std::move(call), std::move(fix), true});
    }
    void challenges() { moves.push_back({true, {}, {}, {}}); }

    match::Action decide(const match::SeatView& view) override {
        if (view.phase == match::Phase::Answer) {
            seen.push_back(view);
            if (onAnswer) {
                onAnswer();
            }
            if (moves.empty()) {
                ADD_FAILURE() << "the computer's seat has no move left";
                return match::Action::doubting();
            }
            if (moves.front().challenge) {
                moves.pop_front();
                return match::Action::doubting();
            }
            return match::Action::trusting();
        }
        const Move move = moves.front();
        moves.pop_front();
        match::Match::Position position = game_.match.position();
        position.dice = *match::Dice::fromDigits(move.dice);
        if (!move.atOnce || !move.fix.empty()) {
            position.fixed = *match::Kept::fromDigits(move.fix);
        }
        if (!move.atOnce) {
            // As a real seat does: the dice are the kept ones followed by those thrown again.
            position.phase = match::Phase::Thrown;
            position.threw = true;
            position.thrown = move.dice.substr(std::min(move.fix.size(), move.dice.size()));
        }
        game_.match.setPosition(position);
        if (!move.atOnce) {
            game_.record.diceThrown(Seat::Computer, position.thrown);
        }
        return match::Action::calling(*match::Call::fromDigits(move.call));
    }

private:
    Game& game_;
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
    ScriptedComputer computer{game};
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

    // Puts `digits` on the table as the dice the seat to move holds.
    void setDice(std::string_view digits) {
        match::Match::Position position = game.match.position();
        position.dice = *match::Dice::fromDigits(digits);
        game.match.setPosition(position);
        table.showTableDice();
    }

    // Makes `digits` the fixed dice on the table; `threw`: kept at a throw this turn.
    void setFixed(std::string_view digits, bool threw = false) {
        match::Match::Position position = game.match.position();
        position.fixed = *match::Kept::fromDigits(digits);
        position.threw = threw;
        if (threw && position.phase == match::Phase::Trusted) {
            position.phase = match::Phase::Thrown;
        }
        game.match.setPosition(position);
    }

    // Takes `action` at the table for the seat to move, without the computer's answer.
    void apply(const match::Action& action) {
        const auto refused = game.match.apply(action);
        ASSERT_EQ(refused, std::nullopt) << *refused;
    }
    static match::Call call(std::string_view digits) { return *match::Call::fromDigits(digits); }

    // The computer, to move after the player's call, trusts it, keeps `fix` and throws to
    // `dice`, then calls `made`: the table as if its seat had played so.
    void computerHandsOver(std::string_view dice, std::string_view made, std::string_view fix) {
        apply(match::Action::trusting());
        match::Match::Position position = game.match.position();
        position.phase = match::Phase::Thrown;
        position.dice = *match::Dice::fromDigits(dice);
        position.fixed = *match::Kept::fromDigits(fix);
        position.threw = true;
        game.match.setPosition(position);
        apply(match::Action::calling(call(made)));
    }

    // The last call on the table, one digit per die; empty before the first.
    std::string lastCall() const {
        const auto& last = game.match.lastCall();
        return last ? last->digits() : std::string();
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
