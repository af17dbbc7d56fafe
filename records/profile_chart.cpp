#include "records/profile_chart.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace quintel {

namespace {

// The computer corrects its estimate of a call when the two levels around that estimate hold
// more than this many calls together, and only for an estimate above 0.1 (level 1).
constexpr int kCorrectionCalls = 40;
constexpr std::size_t kFirstCorrectedLevel = 1;

std::string levelLabel(std::size_t level) {
    return std::to_string(level / 10) + "." + std::to_string(level % 10);
}

struct Level {
    int calls = 0;
    int understated = 0;
};

// A hand-edited profile may hold negative figures or more understated calls than calls.
Level levelOf(const ProfileCounters& counts, const ProfileCounters& scores, std::size_t level) {
    const int calls = std::max(counts[level], 0);
    return {calls, std::clamp(scores[level], 0, calls)};
}

std::string busiestSentence(const ProfileChart& chart) {
    const auto busiest = std::max_element(
        chart.bars.begin(), chart.bars.end(),
        [](const ProfileBar& a, const ProfileBar& b) { return a.calls < b.calls; });
    return "Most of your calls (" + std::to_string(busiest->calls) + " of " +
           std::to_string(chart.calls) + ") were judged to have a chance of about " +
           busiest->label + " of being true.";
}

std::string understatedSentence(int understated, int calls) {
    const long percent = std::lround(100.0 * understated / calls);
    std::string text = " In " + std::to_string(understated) + " of them (" +
                       std::to_string(percent) + "%) your dice were stronger than your call.";
    if (2 * understated > calls) {
        return text + " You tend to understate your dice.";
    }
    return text + " Most of your calls claim as much as your dice hold, or more.";
}

// The estimates the computer corrects, as ranges "between 0.3 and 0.5" joined by commas.
std::string correctedRanges(const ProfileChart& chart) {
    // An estimate between d / 10 and (d + 1) / 10 is corrected from levels d and d + 1.
    const auto corrected = [&chart](std::size_t d) {
        return d + 1 < chart.bars.size() &&
               chart.bars[d].calls + chart.bars[d + 1].calls > kCorrectionCalls;
    };
    std::vector<std::string> ranges;
    std::size_t level = kFirstCorrectedLevel;
    while (level + 1 < chart.bars.size()) {
        if (!corrected(level)) {
            ++level;
            continue;
        }
        const std::size_t first = level;
        while (corrected(level)) {
            ++level;
        }
        ranges.push_back("between " + levelLabel(first) + " and " + levelLabel(level));
    }
    std::string text;
    for (const std::string& range : ranges) {
        text += (text.empty() ? "" : " or ") + range;
    }
    return text;
}

std::string correctionSentence(const ProfileChart& chart) {
    const std::string ranges = correctedRanges(chart);
    if (ranges.empty()) {
        return " The computer still goes by the dice alone: it corrects its estimate of a call "
               "only when the two levels around that estimate together hold more than 40 of your "
               "calls, and never at 0.1 or below.";
    }
    return " For calls it judges " + ranges +
           ", the computer has seen enough of you to correct its estimate: there it goes by how "
           "often your calls understated your dice rather than by the dice alone.";
}

} // namespace

ProfileChart profileChart(const ProfileCounters& counts, const ProfileCounters& scores) {
    ProfileChart chart;
    int understated = 0;
    for (std::size_t level = 0; level < chart.bars.size(); ++level) {
        const Level figures = levelOf(counts, scores, level);
        ProfileBar& bar = chart.bars[level];
        bar.label = levelLabel(level);
        bar.calls = figures.calls;
        if (figures.calls > 0) {
            bar.understated = static_cast<double>(figures.understated) / figures.calls;
        }
        chart.calls += figures.calls;
        understated += figures.understated;
    }
    if (chart.calls == 0) {
        chart.summary = "The computer has not judged any of your calls yet: it goes by the dice "
                        "alone.";
        return chart;
    }
    chart.summary = busiestSentence(chart) + understatedSentence(understated, chart.calls) +
                    correctionSentence(chart);
    return chart;
}

} // namespace quintel
