#pragma once

#include "records/record_statistics.h"

#include <QString>

#include <vector>

class QChart;

namespace quintel {

// The charts of the statistics window, made afresh from the figures each time; whoever shows one
// owns it.

// Games won so far along the game number, and the moving win rate on a second axis.
QChart* winsOverTimeChart(const RecordStatistics& statistics);
// The win rate of each group as a box from the low end of its 95 % interval to the high end, the
// rate itself the line across it.
QChart* winRateChart(const std::vector<GroupRate>& groups, const QString& title);
// How many games were decided after 1, 2, .. calls.
QChart* callsChart(const RecordStatistics& statistics);
// Challenges made and won by each seat.
QChart* challengesChart(const RecordStatistics& statistics);
// How often each face came up in all, beside the count a fair die gives.
QChart* facesChart(const DiceFigures& dice);

} // namespace quintel
