#include "desktop/profile_bars_widget.h"

#include "desktop/colour_scheme.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace quintel {

namespace {

const QColor kBarColour(90, 110, 210);
const QColor kShareColour(230, 140, 0);
constexpr int kTicks = 4; // steps of the calls axis
constexpr qreal kBarWidth = 0.6;

// 1, 2 or 5 times a power of ten, so that the axis reads in round steps.
int roundStep(int atLeast) {
    for (int power = 1;; power *= 10) {
        for (const int step : {1, 2, 5}) {
            if (step * power >= atLeast) {
                return step * power;
            }
        }
    }
}

} // namespace

ProfileBarsWidget::ProfileBarsWidget(QWidget* parent)
    : QWidget(parent), view_(new QChartView(this)), drawing_(new QChart),
      calls_(new QBarSet(tr("Calls"))), share_(new QLineSeries), callsAxis_(new QValueAxis) {
    drawing_->setTheme(chartTheme());
    auto* bars = new QBarSeries;
    calls_->setColor(kBarColour);
    calls_->setBorderColor(kBarColour);
    bars->append(calls_);
    bars->setBarWidth(kBarWidth);
    share_->setName(tr("Share of those calls that understated the dice"));
    share_->setPen(QPen(kShareColour, 3));
    share_->setPointsVisible(true);
    drawing_->addSeries(bars);
    drawing_->addSeries(share_);

    auto* levels = new QBarCategoryAxis;
    levels->setTitleText(tr("The computer's estimate that your call is true"));
    drawing_->addAxis(levels, Qt::AlignBottom);
    callsAxis_->setLabelFormat(QStringLiteral("%d"));
    callsAxis_->setTickCount(kTicks + 1);
    drawing_->addAxis(callsAxis_, Qt::AlignLeft);
    auto* shareAxis = new QValueAxis;
    shareAxis->setRange(0, 100);
    shareAxis->setTickCount(kTicks + 1);
    shareAxis->setLabelFormat(QStringLiteral("%d%%"));
    // Darker on light paper, as bright as the line on dark.
    shareAxis->setLabelsColor(isDark(palette()) ? kShareColour : kShareColour.darker(130));
    drawing_->addAxis(shareAxis, Qt::AlignRight);
    bars->attachAxis(levels);
    bars->attachAxis(callsAxis_);
    share_->attachAxis(levels);
    share_->attachAxis(shareAxis);
    drawing_->legend()->setAlignment(Qt::AlignTop);

    view_->setChart(drawing_);
    view_->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setChart(chart_);
}

void ProfileBarsWidget::setChart(const ProfileChart& chart) {
    chart_ = chart;
    setAccessibleDescription(QString::fromStdString(chart.summary));
    QStringList labels;
    QList<qreal> calls;
    QList<QPointF> shares;
    for (std::size_t level = 0; level < chart.bars.size(); ++level) {
        const ProfileBar& bar = chart.bars[level];
        labels << QString::fromStdString(bar.label);
        calls << bar.calls;
        if (bar.understated) {
            shares << QPointF(static_cast<qreal>(level), *bar.understated * 100.0);
        }
    }
    calls_->remove(0, calls_->count());
    calls_->append(calls);
    share_->replace(shares);
    auto* levels = qobject_cast<QBarCategoryAxis*>(drawing_->axes(Qt::Horizontal).value(0));
    levels->setCategories(labels);
    callsAxis_->setRange(0, callsAxisTop());
    drawing_->setTitle(chart.calls == 0 ? tr("No calls yet: play a game first.") : QString());
}

int ProfileBarsWidget::callsAxisTop() const {
    int most = 0;
    for (const ProfileBar& bar : chart_.bars) {
        most = std::max(most, bar.calls);
    }
    return kTicks * roundStep((std::max(most, 1) + kTicks - 1) / kTicks);
}

QPointF ProfileBarsWidget::toWidget(QPointF inChart) const {
    return view_->mapTo(this, view_->mapFromScene(drawing_->mapToScene(inChart)));
}

QRectF ProfileBarsWidget::plotArea() const {
    const QRectF plot = drawing_->plotArea();
    return QRectF(toWidget(plot.topLeft()), toWidget(plot.bottomRight()));
}

QRectF ProfileBarsWidget::barRect(std::size_t level) const {
    const auto bars = drawing_->series().front();
    const qreal middle = static_cast<qreal>(level);
    const qreal half = kBarWidth / 2;
    const QPointF top =
        drawing_->mapToPosition(QPointF(middle - half, chart_.bars.at(level).calls), bars);
    const QPointF bottom = drawing_->mapToPosition(QPointF(middle + half, 0), bars);
    return QRectF(toWidget(top), toWidget(bottom));
}

std::optional<QPointF> ProfileBarsWidget::sharePoint(std::size_t level) const {
    const std::optional<double> share = chart_.bars.at(level).understated;
    if (!share) {
        return std::nullopt;
    }
    return toWidget(
        drawing_->mapToPosition(QPointF(static_cast<qreal>(level), *share * 100.0), share_));
}

} // namespace quintel
