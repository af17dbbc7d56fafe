#include "records/computer_weighing.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

TEST(ComputerWeighing, TellsTheClassicComputersChancesAndWhetherItTrusted) {
    const std::vector<std::string> trusted{
        "COMPUTER AI : Fixstring : 6\tCallstring : 66\tCall Up Prob : 0.598765432098765",
        "Exact Dices : 25352",
        "Win Prob : 0.196244855967078",
        "Fixstring : \t4",
        "DICE AFTER ROLL (if needed) : 64441",
        "CALL STRING : 44410",
        "FIX STRING : 00000"};
    EXPECT_EQ(weighingInWords(trusted, "66"),
              "The computer gave your call 66 a chance of 19.6 % to be true, and itself a chance "
              "of 59.9 % to beat it. It trusted your call.");
    const std::vector<std::string> challenged{
        "COMPUTER AI : Fixstring : \tCallstring : 11133\tCall Up Prob : 0.02",
        "Exact Dices : 11133", "Win Prob : 0.0354", "Win Prob After Profile : 0.25"};
    EXPECT_EQ(weighingInWords(challenged, "11133"),
              "The computer gave your call 11133 a chance of 3.5 % to be true, and itself a "
              "chance of 2.0 % to beat it. After your profile it put the chance at 25.0 %. It did "
              "not trust your call.");
}

TEST(ComputerWeighing, TellsTheExpertsChanceOfTrustAndItsDraw) {
    const std::vector<std::string> trusted{
        "EXPERT AI : Callstring : 66\tLast Call : -\tFixstring : -",
        "Player's Stage Value : 0.41\tTrust Chance : 0.35", "Trust Draw : 0.2", "Decision : Trust",
        "Position Value : 0.6\tChoice : Keep 6 And Throw 4"};
    EXPECT_EQ(weighingInWords(trusted, "66"),
              "In the solved game the Expert trusts your call 66 here with a chance of 35.0 %. "
              "This time it trusted it.");
    const std::vector<std::string> challenged{
        "EXPERT AI : Callstring : 6666\tLast Call : 555\tCalled At Once On : 66661\tTrust "
        "Chance : 0",
        "Decision : Not Trust"};
    EXPECT_EQ(weighingInWords(challenged, "6666"),
              "In the solved game the Expert trusts your call 6666 here with a chance of 0.0 %. "
              "This time it did not.");
}

TEST(ComputerWeighing, SaysNothingWhereTheLinesTellNothing) {
    EXPECT_EQ(weighingInWords({}, "66"), "");
    EXPECT_EQ(weighingInWords({"Win Prob : 0.5"}, "66"), "") << "no chance to beat it";
    EXPECT_EQ(weighingInWords({"Win Prob : 5", "Call Up Prob : 0.5"}, "66"), "")
        << "no chance at all";
    EXPECT_EQ(weighingInWords({"Trust Chance : 0.5"}, "66"), "") << "no decision";
}

} // namespace
} // namespace quintel
