#include "records/profile_chart.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

TEST(ProfileChart, BarsPerLevelWithTheUnderstatedShare) {
    ProfileCounters counts{};
    ProfileCounters scores{};
    counts[3] = 8;
    scores[3] = 2;
    counts[10] = 1;
    const ProfileChart chart = profileChart(counts, scores);
    EXPECT_EQ(chart.calls, 9);
    EXPECT_EQ(chart.bars[0].label, "0.0");
    EXPECT_EQ(chart.bars[3].label, "0.3");
    EXPECT_EQ(chart.bars[10].label, "1.0");
    EXPECT_EQ(chart.bars[3].understated, 0.25);
    EXPECT_EQ(chart.bars[10].understated, 0.0);
    EXPECT_EQ(chart.bars[4].understated, std::nullopt);
    EXPECT_EQ(chart.summary,
              "Most of your calls (8 of 9) were judged to have a chance of about 0.3 of being "
              "true. In 2 of them (22%) your dice were stronger than your call. Most of your "
              "calls claim as much as your dice hold, or more. The computer still goes by the "
              "dice alone: it corrects its estimate of a call only when the two levels around "
              "that estimate together hold more than 40 of your calls, and never at 0.1 or below.");
}

TEST(ProfileChart, NamesTheEstimatesTheComputerCorrects) {
    ProfileCounters counts{};
    ProfileCounters scores{};
    counts[0] = 41; // estimates at 0.1 or below are never corrected
    counts[3] = 20; // 20 + 21: levels 3 and 4 correct estimates from 0.3 to 0.4
    counts[4] = 21; // 21 + 20: levels 4 and 5, from 0.4 to 0.5
    counts[5] = 20;
    counts[8] = 30; // 30 + 10 is not more than 40
    counts[9] = 10;
    counts[10] = 31; // 10 + 31: from 0.9 to 1.0
    scores = counts;
    const std::string summary = profileChart(counts, scores).summary;
    EXPECT_NE(summary.find("You tend to understate your dice."), std::string::npos);
    EXPECT_NE(summary.find("For calls it judges between 0.3 and 0.5 or between 0.9 and 1.0, the "
                           "computer has seen enough of you"),
              std::string::npos)
        << summary;
}

TEST(ProfileChart, SaysSoWhenThereAreNoCalls) {
    ProfileCounters scores{};
    scores[2] = 3; // a hand-edited file: understated calls without calls
    const ProfileChart chart = profileChart({}, scores);
    EXPECT_EQ(chart.calls, 0);
    EXPECT_EQ(chart.bars[2].understated, std::nullopt);
    EXPECT_EQ(chart.summary,
              "The computer has not judged any of your calls yet: it goes by the dice alone.");
}

} // namespace
} // namespace quintel
