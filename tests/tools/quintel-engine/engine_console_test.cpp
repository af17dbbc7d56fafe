#include "engine_console.h"
#include "model/number_text.h"
#include "opponent/engine/engine.h"
#include "testing/engine_reference.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace quintel {
namespace {

std::string answer(std::string_view line) {
    return answerLine(Form1(), line).text;
}

bool refused(std::string_view line) {
    const ConsoleAnswer result = answerLine(Form1(), line);
    EXPECT_EQ(result.text.rfind("error: ", 0) == 0, !result.ok) << result.text;
    return !result.ok;
}

TEST(EngineConsole, AnswersProbabilitiesWithSeventeenDigits) {
    EXPECT_EQ(answer("prob1 - 65432"), "0.90740740740740744");
    EXPECT_EQ(answer("prob1 6666 11112"), "0.16666666666666666");
    EXPECT_EQ(answer("prob2 6 66"), "0.51774691358024694");
    EXPECT_EQ(answer("prob2 46 4"), "1");
    EXPECT_EQ(answer("samelevel - 65432"), "0.07716049382716049");
    EXPECT_EQ(answer("beat - 65432"), "0.98456790123456794");
    EXPECT_EQ(answer("  beat\t-   55200 "), answer("beat - 552")) << "blanks and zeros";
}

TEST(EngineConsole, AnswersSearchesWithTheHoldOrItsChance) {
    EXPECT_EQ(answer("search 55 55432 - 0 none"), "55");
    EXPECT_EQ(answer("search 55 55432 - 0 any"), "5543");
    EXPECT_EQ(answer("search 66 12345 - 0 none"), "-");
    EXPECT_EQ(answer("search 66551 11223 - 1 none"), "1");
    EXPECT_EQ(answer("search 55 55432 3 0 perm"), "55432");
    EXPECT_EQ(answer("search 55 55432 3 0 both"), "5543");
    EXPECT_EQ(answer("search 3322 44223 - 1 none"), "0.72222222222222221");
}

TEST(EngineConsole, AnswersTheChanceOfAHoldOfAnySize) {
    const auto beat = [](std::string_view hold, std::string_view call) {
        return exactNumberText(reference::enumeratedBeat(hold, call).value());
    };
    EXPECT_EQ(answer("search 66551 1122 - 1 none"), beat("1", "66551"));
    EXPECT_EQ(answer("search 3322 - - 1 none"), beat("", "3322"));
    EXPECT_EQ(answer("search 55 5 5 1 perm"), beat("5", "55"));
    EXPECT_EQ(answer("search 55 2 3 1 none"), "error: fix '3' holds dice that are not among the "
                                              "dice '2'");
    EXPECT_TRUE(refused("search 55 554321 - 1 none"));
}

TEST(EngineConsole, AnswersHandsAndLevels) {
    EXPECT_EQ(answer("hand 0 1"), "65432");
    EXPECT_EQ(answer("hand 1 31"), "55432");
    EXPECT_EQ(answer("hand 6 6"), "11111");
    EXPECT_EQ(answer("level 23321"), "33221 21");
    EXPECT_EQ(answer("level 1"), "1 1");
    EXPECT_EQ(answer("level 61166"), "66611 40");
}

TEST(EngineConsole, RefusesUnknownCommandsAndWrongWordCounts) {
    EXPECT_TRUE(refused("throw 55"));
    EXPECT_TRUE(refused("Prob1 - 65432"));
    EXPECT_TRUE(refused("prob1 -"));
    EXPECT_TRUE(refused("prob1 - 65432 1"));
    EXPECT_TRUE(refused("search 55 55432 - 0"));
    EXPECT_EQ(answer("prob1 -"), "error: prob1 takes HOLD CALL, got 1 words");
}

TEST(EngineConsole, RefusesDiceTextsThatAreNotDice) {
    EXPECT_TRUE(refused("prob1 107 2"));
    EXPECT_TRUE(refused("prob1 123456 2"));
    EXPECT_TRUE(refused("prob2 x 2"));
    EXPECT_TRUE(refused("search 55 554321 - 0 none"));
    EXPECT_TRUE(refused("search 55 55432 1234567 0 none"));
    EXPECT_TRUE(refused("level -"));
    EXPECT_TRUE(refused("level 0"));
    EXPECT_EQ(answer("prob1 123456 2"), "error: hold '123456' has more than five dice");
}

TEST(EngineConsole, RefusesCallsOfNoDiceOrMoreThanFive) {
    EXPECT_TRUE(refused("prob1 - -"));
    EXPECT_TRUE(refused("prob1 - 00000"));
    EXPECT_TRUE(refused("prob1 - 123456"));
    EXPECT_TRUE(refused("prob1 - 552000"));
    EXPECT_TRUE(refused("prob1 - 7"));
    EXPECT_EQ(answer("beat - 00"), "error: call '00' names no dice");
}

TEST(EngineConsole, RefusesNumbersAndOptionsOutOfRange) {
    EXPECT_TRUE(refused("search 55 55432 - 2 none"));
    EXPECT_TRUE(refused("search 55 55432 - x none"));
    EXPECT_TRUE(refused("search 55 55432 - 0 all"));
    EXPECT_TRUE(refused("hand 7 1"));
    EXPECT_TRUE(refused("hand -1 1"));
    EXPECT_TRUE(refused("hand 0 7"));
    EXPECT_TRUE(refused("hand 0 0"));
    EXPECT_TRUE(refused("hand 1 1x"));
    EXPECT_FALSE(refused("hand 1 60"));
    EXPECT_EQ(answer("hand 4 31"), "error: POSITION for class 4 must be a whole number from 1 to "
                                   "30, not '31'");
}

TEST(EngineConsole, RefusesSearchesOverOtherThanFiveDiceOrWithFixedDiceNotAmongThem) {
    EXPECT_TRUE(refused("search 5 - - 0 none"));
    EXPECT_TRUE(refused("search 55200 12 - 0 none"));
    EXPECT_TRUE(refused("search 55 5543 - 0 none"));
    EXPECT_TRUE(refused("search 55 55432 6 0 none"));
    EXPECT_TRUE(refused("search 55 55432 555 0 any"));
    EXPECT_FALSE(refused("search 55 55432 55432 0 perm"));
    EXPECT_EQ(answer("search 55200 12 - 0 none"), "error: dice '12' must be five digits 1 to 6");
    EXPECT_EQ(answer("search 55 55432 5533 0 none"),
              "error: fix '5533' holds dice that are not among the dice '55432'");
}

TEST(EngineConsole, RefusesNumbersWithASignOrLeadingZeros) {
    for (const std::string_view line :
         {"hand -0 1", "hand 0 01", "hand 00 1", "hand +1 1", "hand 0 010", "hand 0 1.0",
          "search 55 55432 - -0 none", "search 55 55432 - 00 none", "search 55 55432 - 01 none"}) {
        EXPECT_TRUE(refused(line)) << line;
    }
    EXPECT_FALSE(refused("hand 1 10")) << "zeros after other digits stay fine";
    EXPECT_EQ(answer("hand -0 1"), "error: CLASS must be a whole number from 0 to 6, not '-0'");
}

TEST(EngineConsole, EscapesControlCharactersInErrorLines) {
    EXPECT_EQ(answer("foo\x01\x1b[2J\x7f"),
              "error: unknown command 'foo\\x01\\x1b[2J\\x7f'; the commands are prob1, prob2, "
              "samelevel, beat, search, hand, level, judge");
    EXPECT_EQ(answer("level 1\x08\x0b\x0c"),
              "error: dice '1\\x08\\x0b\\x0c' may hold only the digits 1 to 6 (or '-' for none)");
    // C1 controls, raw or encoded as UTF-8, and the backslash that starts an escape.
    EXPECT_EQ(answer("prob1 - \x9b\xc2\x85\\"),
              "error: call '\\x9b\\xc2\\x85\\\\' may hold only the digits 0 to 6");
}

TEST(EngineConsole, GoesOnAfterARefusedLineAndFailsAtTheEnd) {
    std::istringstream in("prob1 - 65432\n\n   \nfoo\nlevel 23321\r\n");
    std::ostringstream out;
    EXPECT_EQ(runConsole(Form1(), in, out, false), 1);
    std::string first;
    std::string second;
    std::string third;
    std::istringstream lines(out.str());
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, third);
    EXPECT_EQ(first, "0.90740740740740744");
    EXPECT_EQ(second.rfind("error: unknown command 'foo'; the commands are prob1, prob2", 0), 0U)
        << second;
    EXPECT_EQ(third, "33221 21");
    EXPECT_FALSE(std::getline(lines, first)) << "blank lines get no answer";
}

TEST(EngineConsole, SucceedsWhenEveryLineIsAnswered) {
    std::istringstream in("hand 0 1\nbeat 11 65432");
    std::ostringstream out;
    EXPECT_EQ(runConsole(Form1(), in, out, true), 0);
    EXPECT_EQ(out.str(), "65432\n1\n");
}

} // namespace
} // namespace quintel
