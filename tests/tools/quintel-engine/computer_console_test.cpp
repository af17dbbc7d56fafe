#include "computer_console.h"

#include "engine_console.h"
#include "opponent/engine/engine.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

std::string judged(std::string_view line) {
    const Form1 engine;
    const ConsoleAnswer answer = answerLine(engine, line);
    return answer.text + (answer.ok ? "" : " [refused]");
}

TEST(JudgeCommand, AnswersTheTwoChancesAndTheVerdict) {
    // Throwing all five dice beats 65432 in 7656 of 7776 throws; the hand itself has 5! orders.
    EXPECT_EQ(judged("judge 65432 65432 - none"), "0.98456790123456794 0.015432098765432098 trust");
    EXPECT_EQ(judged("judge 11111 66543 - any"), "0 0.0001286008230452675 challenge");
    // Two pairs kept: any of five faces of the fifth die beats 55332, one in six completes it.
    EXPECT_EQ(judged("judge 55332 55336 5533 perm"),
              "0.83333333333333337 0.16666666666666666 trust");
    // Five sixes: only five aces beat them, and they are as rare.
    EXPECT_EQ(judged("judge 66666 66543 - both"),
              "0.0001286008230452675 0.0001286008230452675 challenge");
}

TEST(JudgeCommand, RefusesWhatItCannotJudge) {
    EXPECT_EQ(judged("judge 5533 55336 - none"),
              "error: call '5533' must be five digits 0 to 6, as the call dialog hands it over "
              "(e.g. 55200) [refused]");
    EXPECT_EQ(judged("judge 00000 55336 - none"), "error: call '00000' names no dice [refused]");
    EXPECT_EQ(judged("judge 55332 5533 - none"),
              "error: dice '5533' must be five digits 1 to 6 [refused]");
    EXPECT_EQ(judged("judge 55332 55336 7 none"),
              "error: fix '7' must be up to five digits 1 to 6, or '-' for none [refused]");
    EXPECT_EQ(judged("judge 55332 55336 - some"),
              "error: OPTS must be none, any, perm or both, not 'some' [refused]");
    EXPECT_EQ(judged("judge 55332 55336 -").rfind("error: judge takes CALL DICE FIX OPTS", 0), 0u);
}

TEST(JudgeCommand, RefusesFixedDiceThatAreNotAmongTheDice) {
    EXPECT_EQ(judged("judge 55200 12345 66 none"),
              "error: fix '66' holds dice that are not among the dice '12345' [refused]");
    EXPECT_EQ(judged("judge 55200 55123 555 any"),
              "error: fix '555' holds dice that are not among the dice '55123' [refused]");
    EXPECT_EQ(judged("judge 55200 51253 55 any").find("error"), std::string::npos);
}

TEST(JudgeCommand, EscapesControlCharactersInItsErrors) {
    EXPECT_EQ(judged("judge 55200 55336 \x1b]0;x\x07 none"),
              "error: fix '\\x1b]0;x\\x07' must be up to five digits 1 to 6, or '-' for none "
              "[refused]");
    EXPECT_EQ(judged("judge 55200 55336 - n\xc2\x9bne"),
              "error: OPTS must be none, any, perm or both, not 'n\\xc2\\x9bne' [refused]");
}

} // namespace
} // namespace quintel
