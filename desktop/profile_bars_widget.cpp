#include "desktop/profile_bars_widget.h"

#include <QPainter>

#include <algorithm>

namespace quintel {

namespace {

const QColor kBarColour(90, 110, 210);
const QColor kShareColour(230, 140, 0);
constexpr int kTicks = 4; // steps of the calls axis

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

ProfileBarsWidget::ProfileBarsWidget(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ProfileBarsWidget::setChart(const ProfileChart& chart) {
    chart_ = chart;
    setAccessibleDescription(QString::fromStdString(chart.summary));
    update();
}

int ProfileBarsWidget::callsAxisTop() const {
    int most = 0;
    for (const ProfileBar& bar : chart_.bars) {
        most = std::max(most, bar.calls);
    }
    return kTicks * roundStep((std::max(most, 1) + kTicks - 1) / kTicks);
}

QRectF ProfileBarsWidget::plotArea() const {
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    const qreal left = metrics.horizontalAdvance(QString::number(callsAxisTop())) + 1.8 * line;
    const qreal right = metrics.horizontalAdvance(QStringLiteral("100%")) + 1.8 * line;
    return QRectF(left, 2.0 * line, width() - left - right, height() - 5.0 * line);
}

QRectF ProfileBarsWidget::barRect(std::size_t level) const {
    const QRectF plot = plotArea();
    const qreal slot = plot.width() / static_cast<qreal>(chart_.bars.size());
    const qreal height = plot.height() * chart_.bars.at(level).calls / callsAxisTop();
    return QRectF(plot.left() + slot * (static_cast<qreal>(level) + 0.2), plot.bottom() - height,
                  slot * 0.6, height);
}

std::optional<QPointF> ProfileBarsWidget::sharePoint(std::size_t level) const {
    const std::optional<double> share = chart_.bars.at(level).understated;
    if (!share) {
        return std::nullopt;
    }
    const QRectF plot = plotArea();
    return QPointF(barRect(level).center().x(), plot.bottom() - plot.height() * *share);
}

void ProfileBarsWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = plotArea();
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    const QColor ink = palette().color(QPalette::Text);
    QColor grid = ink;
    grid.setAlpha(40);

    // Grid and the two value axes: calls on the left, the share on the right.
    const int top = callsAxisTop();
    for (int tick = 0; tick <= kTicks; ++tick) {
        const qreal y = plot.bottom() - plot.height() * tick / kTicks;
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(ink);
        painter.drawText(QRectF(0, y - line / 2, plot.left() - line / 3, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(top * tick / kTicks));
        painter.setPen(kShareColour.darker(130));
        painter.drawText(QRectF(plot.right() + line / 3, y - line / 2, plot.left(), line),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1%").arg(100 * tick / kTicks));
    }
    painter.setPen(QPen(ink, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomRight(), plot.topRight());

    // Bars, and the level under each.
    for (std::size_t level = 0; level < chart_.bars.size(); ++level) {
        const QRectF bar = barRect(level);
        painter.fillRect(bar, kBarColour);
        painter.setPen(ink);
        painter.drawText(
            QRectF(bar.center().x() - line * 1.5, plot.bottom() + line / 4, line * 3, line),
            Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(chart_.bars[level].label));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.3 * line, plot.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop,
                     tr("The computer's estimate that your call is true"));

    // The share as a line through the levels that have calls.
    painter.setPen(QPen(kShareColour, std::max<qreal>(2.0, line / 7)));
    std::optional<QPointF> previous;
    for (std::size_t level = 0; level < chart_.bars.size(); ++level) {
        const std::optional<QPointF> point = sharePoint(level);
        if (point && previous) {
            painter.drawLine(*previous, *point);
        }
        previous = point;
    }
    painter.setBrush(kShareColour);
    for (std::size_t level = 0; level < chart_.bars.size(); ++level) {
        if (const std::optional<QPointF> point = sharePoint(level)) {
            painter.drawEllipse(*point, line / 5, line / 5);
        }
    }

    // Legend above the plot.
    const qreal swatch = line * 0.7;
    qreal x = plot.left();
    const qreal y = line * 0.6;
    painter.fillRect(QRectF(x, y + (line - swatch) / 2, swatch, swatch), kBarColour);
    x += swatch + line / 3;
    painter.setPen(ink);
    const QString calls = tr("Calls");
    painter.drawText(QPointF(x, y + metrics.ascent()), calls);
    x += metrics.horizontalAdvance(calls) + line;
    painter.setPen(QPen(kShareColour, std::max<qreal>(2.0, line / 7)));
    painter.drawLine(QPointF(x, y + line / 2), QPointF(x + 1.5 * line, y + line / 2));
    x += 1.5 * line + line / 3;
    painter.setPen(ink);
    painter.drawText(QPointF(x, y + metrics.ascent()),
                     tr("Share of those calls that understated the dice"));

    if (chart_.calls == 0) {
        painter.drawText(plot, Qt::AlignCenter, tr("No calls yet: play a game first."));
    }
}

} // namespace quintel
