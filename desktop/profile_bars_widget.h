#pragma once

#include "records/profile_chart.h"

#include <QWidget>

#include <optional>

class QBarSet;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace quintel {

// The bars of the player's profile: per level of the computer's estimate, a bar for the number
// of calls judged there (left axis) and a point of a line for the share of them whose dice were
// stronger than the call (right axis, 0 to 100 %). A Qt Charts chart, so it scales with the
// window.
class ProfileBarsWidget : public QWidget {
    Q_OBJECT
public:
    explicit ProfileBarsWidget(QWidget* parent = nullptr);

    void setChart(const ProfileChart& chart);
    const ProfileChart& chart() const { return chart_; }
    const QChart& drawing() const { return *drawing_; }

    // Where things are drawn at the widget's present size, in the widget's coordinates.
    QRectF plotArea() const;
    QRectF barRect(std::size_t level) const;
    std::optional<QPointF> sharePoint(std::size_t level) const;
    // The top of the calls axis: a round number at least as big as the most calls of one level.
    int callsAxisTop() const;

    QSize sizeHint() const override { return {560, 320}; }
    QSize minimumSizeHint() const override { return {380, 240}; }

private:
    QPointF toWidget(QPointF inChart) const;

    ProfileChart chart_;
    QChartView* view_;
    QChart* drawing_;
    QBarSet* calls_;
    QLineSeries* share_;
    QValueAxis* callsAxis_;
};

} // namespace quintel
