#include "app/computer_seats.h"
#include "app/game.h"
#include "app/program_arguments.h"
#include "opponent/classic_computer.h"
#include "records/record_book.h"
#include "testing/scripted_message_boxes.h"
#include "testing/temp_folder.h"

#include "tests/protocol/test_engine_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace quintel {
namespace {

using namespace std::chrono_literals;

auto look(const Control& control) {
    const Place& p = control.place;
    return std::tuple(control.name, control.kind, control.caption, p.left, p.top, p.width, p.height,
                      control.tabOrder, control.value, control.container != nullptr);
}

bool overlap(const Place& a, const Place& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

class EngineInTheGame : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder solved;
    ScriptedMessageBoxes boxes;
    RandomSource random{11};
    Game game{folder.path(), boxes, random};
    ComputerSeats seats{solved.path()};

    void offer(const std::string& switches) {
        ASSERT_EQ(seats.startEngine(kEngine + switches, 2000ms), "");
        game.seats = &seats;
        game.formWelcome.engineName = seats.engineName();
    }

    // The player opens with the weakest call, calls the weakest after a call, and trusts nothing.
    void playGame() {
        if (!game.match.inPlay()) {
            game.startGame();
        }
        while (game.match.inPlay()) {
            const match::SeatView view = game.match.viewFor(Seat::Human);
            const match::Action action = view.phase == match::Phase::Answer
                                             ? match::Action::doubting()
                                             : match::Action::calling(*weakestAfter(view.lastCall));
            ASSERT_FALSE(game.play(action));
        }
    }

    std::vector<std::string> engineMessages() const {
        std::vector<std::string> told;
        std::ranges::copy_if(boxes.texts(), std::back_inserter(told), [](const std::string& text) {
            return text.find("engine") != std::string::npos;
        });
        return told;
    }

    std::vector<std::string> recordedOpponents() {
        RecordBook book(RecordBook::pathIn(folder.path()), false);
        std::vector<std::string> opponents;
        book.forEachGame([&](const GameRecord& played) { opponents.push_back(played.opponent); });
        return opponents;
    }
};

// The engine's choice stands below the two computers, in a frame grown into the free space beside
// OK; every other control keeps its place. It names the history's opponent and the record's.
TEST_F(EngineInTheGame, TheWelcomeScreenOffersTheEngineByTheNameItGave) {
    game.start();
    std::vector<decltype(look(Control{}))> without;
    for (const Control* control : game.formWelcome.controls()) {
        without.push_back(look(*control));
    }
    game.formWelcome.Unload();
    EXPECT_NE(seats.startEngine("exit 4", 2000ms), "");
    EXPECT_EQ(seats.engineName(), "");

    offer("");
    game.start();
    FormWelcome& welcome = game.formWelcome;
    const std::vector<Control*> controls = welcome.controls();
    ASSERT_EQ(controls.size(), without.size() + 1);
    for (std::size_t i = 0; i < without.size(); ++i) {
        auto expected = without[i];
        if (controls[i] == &welcome.fraOpponent) {
            std::get<6>(expected) = 1815;
        }
        EXPECT_EQ(look(*controls[i]), expected) << controls[i]->name;
    }
    EXPECT_EQ(look(welcome.optEngine),
              std::tuple("optEngine", ControlKind::OptionButton, "test-engine", 0, 1440, 1095, 375,
                         9, false, true));
    for (const Control* control : controls) {
        if (control->container == nullptr && control != &welcome.fraOpponent &&
            control != &welcome.lblFolder) {
            EXPECT_FALSE(overlap(control->place, welcome.fraOpponent.place)) << control->name;
        }
    }

    welcome.optEngine.click();
    EXPECT_FALSE(welcome.optClassic.value || welcome.optExpert.value || welcome.optMaster.value);
    welcome.txtName.edited("Ann");
    welcome.btnOK.click();
    ASSERT_TRUE(game.formStart.shown());
    EXPECT_EQ(game.opponentName, "engine");
    playGame();
    game.history.close();
    EXPECT_TRUE(folder.read("Ann_0.txt")
                    .starts_with("Ann HISTORY\r\n\r\nOpponent : Engine test-engine\r\n\r\n"));
    EXPECT_EQ(recordedOpponents(), std::vector<std::string>{"engine"});
    EXPECT_TRUE(engineMessages().empty());
}

TEST_F(EngineInTheGame, ARefusedAnswerIsToldAndLosesTheEngineThatGame) {
    offer(" --fault malformed");
    ASSERT_TRUE(game.signIn({"Ann", false, false, Opponent::Engine}));
    playGame();
    ASSERT_TRUE(game.lastOutcome);
    EXPECT_TRUE(game.lastOutcome->forfeit);
    EXPECT_EQ(game.lastOutcome->winner, Seat::Human);
    playGame();
    EXPECT_EQ(engineMessages(),
              std::vector<std::string>{"The engine 'test-engine' answered \"perhaps\" to \"respond "
                                       "2 -\": expected \"trust\" or \"doubt\". It loses this "
                                       "game."});
    EXPECT_EQ(recordedOpponents(), std::vector<std::string>{"engine"});
}

// The engine ends on its first move: it is told once, and the classic computer plays on, in this
// stay and the next.
TEST_F(EngineInTheGame, AnEngineThatEndsIsToldOnceAndTheClassicComputerTakesItsSeat) {
    offer(" --fault die");
    ASSERT_TRUE(game.signIn({"Ann", false, false, Opponent::Engine}));
    for (int i = 0; i < 3; ++i) {
        playGame();
    }
    EXPECT_EQ(engineMessages(),
              std::vector<std::string>{"The engine 'test-engine' ended (exit status 3) before "
                                       "answering \"respond 2 -\". It loses this game. The "
                                       "classic computer takes its seat."});
    EXPECT_EQ(recordedOpponents(), (std::vector<std::string>{"classic", "classic"}));

    boxes.clear();
    ASSERT_TRUE(game.signIn({"Ann", false, false, Opponent::Engine}));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"The engine 'test-engine' no longer plays. "
                                                      "The classic computer plays instead."});
    EXPECT_NE(dynamic_cast<ClassicComputer*>(game.computer), nullptr);
}

TEST(ProgramArguments, TakesAnEngineOrHelpAndRefusesAnythingElse) {
    using Read = std::variant<ProgramArguments, std::string>;
    const auto engine = [](std::string command) {
        return Read(ProgramArguments{std::move(command), false});
    };
    const std::vector<std::pair<std::vector<std::string_view>, Read>> cases{
        {{}, Read(ProgramArguments{})},
        {{"--engine", "./bot --fast"}, engine("./bot --fast")},
        {{"--help"}, Read(ProgramArguments{std::nullopt, true})},
        {{"--engine"}, Read("--engine needs a command")},
        {{"--engine", ""}, Read("--engine needs a command")},
        {{"--engine", "a", "--engine", "b"}, Read("--engine given twice")},
        {{"-platform", "offscreen"}, Read("unknown argument '-platform'")},
        {{"--engine=./bot"}, Read("unknown argument '--engine=./bot'")},
    };
    for (const auto& [arguments, expected] : cases) {
        const Read read = readProgramArguments(arguments);
        ASSERT_EQ(read.index(), expected.index());
        if (const auto* problem = std::get_if<std::string>(&read)) {
            EXPECT_EQ(*problem, std::get<std::string>(expected));
        } else {
            EXPECT_EQ(std::get<ProgramArguments>(read).engine,
                      std::get<ProgramArguments>(expected).engine);
            EXPECT_EQ(std::get<ProgramArguments>(read).help,
                      std::get<ProgramArguments>(expected).help);
        }
    }
}

} // namespace
} // namespace quintel
