#include "model/history_sink.h"
#include "model/number_text.h"
#include "opponent/engine/engine.h"
#include "testing/engine_reference.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quintel {
namespace {

constexpr EngineOptions kNoOptions{};
constexpr EngineOptions kFixAny{.fixAny = true, .fixPermanent = false};
constexpr EngineOptions kFixPermanent{.fixAny = false, .fixPermanent = true};
constexpr EngineOptions kBothOptions{.fixAny = true, .fixPermanent = true};

HoldChoice searchFor(std::string_view call, std::string_view dice, EngineOptions options,
                     std::string_view fix = "") {
    return Form1().searchHold(call, dice, fix, false, options);
}

TEST(HoldSearch, KeepsOnlyDiceOfTheCallUnlessFixAnyIsOn) {
    EXPECT_EQ(searchFor("55", "55432", kNoOptions).hold, "55");
    EXPECT_EQ(searchFor("55", "55432", kNoOptions).chance, kCertain);
    // Every hold with the pair is certain too; the one of highest shape score found first wins.
    EXPECT_EQ(searchFor("55", "55432", kFixAny).hold, "5543");
}

TEST(HoldSearch, EqualChancesGoToTheHigherShapeScoreThenToTheHoldFoundFirst) {
    // Nothing beats 11111: every hold has chance 0 and only shape scores decide. 2254, 2253 and
    // 2243 all score 12; 2254 comes first among the holds of 22543.
    for (const EngineOptions options : {kNoOptions, kFixAny}) {
        const HoldChoice best = searchFor("11111", "23452", options);
        EXPECT_EQ(best.hold, "2254");
        EXPECT_EQ(best.chance, Chance{0});
    }
    // Any five dice beat a lone 2, so keeping the 2 ties with keeping nothing and wins by score.
    EXPECT_EQ(searchFor("2", "22345", kNoOptions).hold, "2");
    EXPECT_EQ(searchFor("2", "22345", kFixAny).hold, "2254");
}

TEST(HoldSearch, KeepsAllFiveDiceThatBeatTheCallWhenNoHoldIsLikely) {
    // 11223 beats 66551; the best hold, a single 1, reaches 3096 of 7776.
    EXPECT_EQ(searchFor("66551", "11223", kNoOptions).hold, "11223");
    EXPECT_EQ(searchFor("66551", "11223", kNoOptions).chance, kCertain);
    EXPECT_EQ(Form1().NewCalProb("66551", "21321", "", 1, kNoOptions), "1");
}

TEST(HoldSearch, KeepsAllFiveDiceWhenTheBestHoldIsOfALowerShapeClass) {
    // Against 3322 the best hold of 44223 is 22 (class 1, 5616 of 7776) while the dice are two
    // pairs that already beat the call.
    EXPECT_EQ(searchFor("3322", "44223", kNoOptions).hold, "44223");
    // Asked only for the chance, the search does not weigh the dice's class.
    const Chance best = Form1().searchHold("3322", "44223", "", true, kNoOptions).chance;
    EXPECT_EQ(best, reference::enumeratedBeat("22", "3322"));
    EXPECT_EQ(best, Chance{5616});
}

TEST(HoldSearch, FewerThanFiveDiceNeverBeatTheCall) {
    const HoldChoice best = searchFor("66551", "1122", kNoOptions);
    EXPECT_EQ(best.hold, "1");
    EXPECT_EQ(best.chance, reference::enumeratedBeat("1", "66551"));
}

TEST(HoldSearch, FixPermanentWithFixedDiceNeverKeepsNothing) {
    // Nothing can be won, so without the rule keeping nothing would stand at chance 0.
    EXPECT_EQ(searchFor("11111", "62345", kFixPermanent, "6").hold, "6543");
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> face(1, 6);
    for (int i = 0; i < 200; ++i) {
        std::string dice;
        std::string call;
        for (int d = 0; d < 5; ++d) {
            dice.push_back(static_cast<char>('0' + face(random)));
            call.push_back(static_cast<char>('0' + face(random)));
        }
        const std::string fix = dice.substr(0, 1 + static_cast<std::size_t>(i % 3));
        for (const EngineOptions options : {kFixPermanent, kBothOptions}) {
            EXPECT_FALSE(searchFor(call, dice, options, fix).hold.empty())
                << call << " " << dice << " " << fix;
        }
    }
}

TEST(HoldSearch, WithoutFixPermanentTheFixedDiceDoNotMatter) {
    EXPECT_EQ(searchFor("55", "55432", kNoOptions, "3").hold, "55");
    // No hold both keeps the fixed 3 and is part of the call; the dice already beat it.
    EXPECT_EQ(searchFor("55", "55432", kFixPermanent, "3").hold, "55432");
    EXPECT_EQ(searchFor("55", "55432", kBothOptions, "3").hold, "5543");
}

TEST(HoldSearch, NewCalProbAnswersTheHoldOrItsChanceAsText) {
    const Form1 engine;
    EXPECT_EQ(engine.NewCalProb("55", "55432", "", 0, kNoOptions), "55");
    EXPECT_EQ(engine.NewCalProb("55", "55432", "", 1, kNoOptions), "1");
    EXPECT_EQ(engine.NewCalProb("66551", "1122", "", 1, kNoOptions),
              numberText(reference::enumeratedBeat("1", "66551").value()));
    // Nothing of the dice is in the call and throwing all five is the best there is.
    EXPECT_EQ(engine.NewCalProb("66", "12345", "", 0, kNoOptions), "");
    EXPECT_EQ(engine.NewCalProb("55200", "55432", "", 0, kNoOptions), "552");
}

TEST(HoldSearch, ScoresEachHoldOnce) {
    class Lines : public HistorySink {
    public:
        void writeLine(std::string_view) override { ++count; }
        int count = 0;
    } lines;
    // Only the hold 554 traces; 55432 offers it at one set of positions.
    Form1(&lines).searchHold("55432", "45253", "", false, kNoOptions);
    EXPECT_EQ(lines.count, 1);
}

TEST(HoldSearch, AnswersDependOnTheQuestionAlone) {
    const Form1 engine;
    const std::vector<std::vector<std::string>> questions{
        {"66551", "21321", ""}, {"3322", "44223", ""},  {"66551", "1122", ""},
        {"22", "22543", "2"},   {"11111", "23452", ""}, {"65432", "65432", ""}};
    std::vector<HoldChoice> forward;
    std::vector<HoldChoice> backward(questions.size());
    for (int choose = 0; choose <= 1; ++choose) {
        forward.clear();
        for (const auto& q : questions) {
            forward.push_back(engine.searchHold(q[0], q[1], q[2], choose != 0, kNoOptions));
        }
        for (std::size_t i = questions.size(); i-- > 0;) {
            const auto& q = questions[i];
            backward[i] = engine.searchHold(q[0], q[1], q[2], choose != 0, kNoOptions);
        }
        for (std::size_t i = 0; i < questions.size(); ++i) {
            EXPECT_EQ(forward[i].hold, backward[i].hold) << i;
            EXPECT_EQ(forward[i].chance, backward[i].chance) << i;
        }
    }
}

// Random questions, the call often made of the dice themselves so that many holds take part.
TEST(HoldSearch, AgreesWithTheSameSearchOverEnumeratedChances) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int> face(1, 6);
    std::uniform_int_distribution<int> count(1, 5);
    const std::array<EngineOptions, 4> options{kNoOptions, kFixAny, kFixPermanent, kBothOptions};
    const Form1 engine;
    for (int i = 0; i < 48; ++i) {
        std::string dice;
        for (int d = 0; d < 5; ++d) {
            dice.push_back(static_cast<char>('0' + face(random)));
        }
        std::string call =
            i % 2 == 0 ? dice.substr(0, static_cast<std::size_t>(count(random))) : std::string{};
        while (call.empty() || (i % 2 == 1 && static_cast<int>(call.size()) < count(random))) {
            call.push_back(static_cast<char>('0' + face(random)));
        }
        const std::string fix =
            dice.substr(4 - static_cast<std::size_t>(i % 3), static_cast<std::size_t>(i % 3));
        const EngineOptions option = options[static_cast<std::size_t>(i) % options.size()];
        const HoldChoice expected = reference::enumeratedSearch(call, dice, fix, option);
        const HoldChoice got = engine.searchHold(call, dice, fix, false, option);
        // A hold that wins a tie is given in canonical order, otherwise in the dice's order.
        EXPECT_EQ(arrangeDigits(got.hold), arrangeDigits(expected.hold))
            << call << " " << dice << " fix " << fix << " " << i;
        EXPECT_EQ(got.chance, expected.chance) << call << " " << dice << " fix " << fix << " " << i;
    }
}

} // namespace
} // namespace quintel
