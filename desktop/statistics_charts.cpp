#include "desktop/statistics_charts.h"

#include "desktop/colour_scheme.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace quintel {

namespace {

const QColor kWinsColour(90, 110, 210);
const QColor kRateColour(230, 140, 0);
const QColor kExpectedColour(160, 160, 160);

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    // Before any series: the theme gives the background and the text their colours, and leaves
    // the series the colours given them.
    chart->setTheme(chartTheme());
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// 1, 2 or 5 times a power of ten, so that an axis of counts reads in round steps.
qreal roundStep(qreal atLeast) {
    for (qreal power = 1;; power *= 10) {
        for (const qreal step : {1.0, 2.0, 5.0}) {
            if (step * power >= atLeast) {
                return step * power;
            }
        }
    }
}

// An axis of counts from 0, ticked at whole numbers only, at most five steps.
QValueAxis* countAxis(qreal most, const QString& title) {
    constexpr qreal kSteps = 5;
    const qreal step = roundStep(std::max<qreal>(most, 1) / kSteps);
    auto* axis = new QValueAxis;
    axis->setRange(0, step * std::ceil(std::max<qreal>(most, 1) / step));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

QValueAxis* percentAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setRange(0, 100);
    axis->setTickCount(5);
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%d%%"));
    return axis;
}

// A chart with bar sets over named categories and a count axis.
QChart* barChart(const QString& title, const QStringList& categories, const QList<QBarSet*>& sets,
                 const QString& countTitle) {
    QChart* chart = newChart(title);
    auto* series = new QBarSeries;
    qreal most = 1;
    for (QBarSet* set : sets) {
        series->append(set);
        for (int i = 0; i < set->count(); ++i) {
            most = std::max(most, set->at(i));
        }
    }
    chart->addSeries(series);
    auto* axis = new QBarCategoryAxis;
    axis->append(categories);
    chart->addAxis(axis, Qt::AlignBottom);
    series->attachAxis(axis);
    QValueAxis* counts = countAxis(most, countTitle);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(counts);
    chart->legend()->setVisible(sets.size() > 1);
    return chart;
}

QBarSet* barSet(const QString& name, const QColor& colour, const QList<qreal>& values) {
    auto* set = new QBarSet(name);
    set->setColor(colour);
    set->setBorderColor(colour);
    set->append(values);
    return set;
}

} // namespace

QChart* winsOverTimeChart(const RecordStatistics& statistics) {
    QChart* chart = newChart(statistics.timeline.empty()
                                 ? QObject::tr("No games recorded yet")
                                 : QObject::tr("Games won, and the win rate of the last %1 games")
                                       .arg(RecordStatistics::kMovingWindow));
    auto* wins = new QLineSeries;
    wins->setName(QObject::tr("Games won"));
    wins->setPen(QPen(kWinsColour, 2));
    auto* rate = new QLineSeries;
    rate->setName(QObject::tr("Moving win rate"));
    rate->setPen(QPen(kRateColour, 2));
    // A few games are points more than a line; one game is a point only.
    constexpr std::size_t kFewPoints = 60;
    wins->setPointsVisible(statistics.timeline.size() <= kFewPoints);
    rate->setPointsVisible(statistics.timeline.size() <= kFewPoints);
    for (const TimelinePoint& point : statistics.timeline) {
        const auto game = static_cast<qreal>(point.game);
        wins->append(game, static_cast<qreal>(point.wins));
        rate->append(game, point.movingWinRate * 100.0);
    }
    chart->addSeries(wins);
    chart->addSeries(rate);
    // One game beyond the last, so that its point does not sit on the frame.
    QValueAxis* games =
        countAxis(static_cast<qreal>(statistics.all.games + 1), QObject::tr("Game"));
    chart->addAxis(games, Qt::AlignBottom);
    QValueAxis* won = countAxis(static_cast<qreal>(statistics.all.wins), QObject::tr("Games won"));
    chart->addAxis(won, Qt::AlignLeft);
    QValueAxis* rates = percentAxis(QObject::tr("Win rate"));
    chart->addAxis(rates, Qt::AlignRight);
    wins->attachAxis(games);
    wins->attachAxis(won);
    rate->attachAxis(games);
    rate->attachAxis(rates);
    return chart;
}

QChart* winRateChart(const std::vector<GroupRate>& groups, const QString& title) {
    QChart* chart = newChart(groups.empty() ? QObject::tr("No games recorded yet") : title);
    auto* series = new QBoxPlotSeries;
    series->setName(QObject::tr("Win rate with its 95 % interval"));
    series->setBrush(kWinsColour.lighter(150));
    series->setPen(QPen(kWinsColour, 2));
    // The rate itself stands out of the box, also where it meets an end of its interval.
    auto* rates = new QScatterSeries;
    rates->setName(QObject::tr("Win rate"));
    rates->setColor(kRateColour);
    rates->setBorderColor(kRateColour.darker(130));
    rates->setMarkerSize(12);
    QStringList names;
    for (const GroupRate& group : groups) {
        const QString name = QObject::tr("%1 (%2)").arg(QString::fromStdString(group.name),
                                                        QString::number(group.tally.games));
        names << name;
        const qreal low = group.interval.low * 100.0;
        const qreal high = group.interval.high * 100.0;
        series->append(new QBoxSet(low, low, group.rate * 100.0, high, high, name));
        rates->append(static_cast<qreal>(names.size() - 1), group.rate * 100.0);
    }
    chart->addSeries(series);
    chart->addSeries(rates);
    auto* axis = new QBarCategoryAxis;
    axis->append(names);
    chart->addAxis(axis, Qt::AlignBottom);
    series->attachAxis(axis);
    rates->attachAxis(axis);
    QValueAxis* shares = percentAxis(QObject::tr("Win rate, with its 95 % interval"));
    chart->addAxis(shares, Qt::AlignLeft);
    series->attachAxis(shares);
    rates->attachAxis(shares);
    chart->legend()->setVisible(false);
    return chart;
}

QChart* callsChart(const RecordStatistics& statistics) {
    QStringList categories;
    QList<qreal> games;
    // No game is decided without a call: the list starts at one.
    for (std::size_t calls = 1; calls < statistics.gamesByCalls.size(); ++calls) {
        categories << QString::number(calls);
        games << static_cast<qreal>(statistics.gamesByCalls[calls]);
    }
    const QString title = statistics.all.games == 0
                              ? QObject::tr("No games recorded yet")
                              : QObject::tr("Games by the number of calls made");
    return barChart(title, categories, {barSet(QObject::tr("Games"), kWinsColour, games)},
                    QObject::tr("Games"));
}

QChart* challengesChart(const RecordStatistics& statistics) {
    const ChallengeTally& you = statistics.challenges[0];
    const ChallengeTally& it = statistics.challenges[1];
    return barChart(QObject::tr("Calls not trusted, and how often that was right"),
                    {QObject::tr("You"), QObject::tr("Computer")},
                    {barSet(QObject::tr("Not trusted"), kExpectedColour,
                            {static_cast<qreal>(you.made), static_cast<qreal>(it.made)}),
                     barSet(QObject::tr("Right not to trust"), kWinsColour,
                            {static_cast<qreal>(you.won), static_cast<qreal>(it.won)})},
                    QObject::tr("Games"));
}

QChart* facesChart(const DiceFigures& dice) {
    QStringList faces;
    QList<qreal> counts;
    QList<qreal> expected;
    const qreal even = static_cast<qreal>(dice.check.dice) / 6.0;
    for (std::size_t face = 0; face < dice.faces.size(); ++face) {
        faces << QString::number(face + 1);
        counts << static_cast<qreal>(dice.faces[face]);
        expected << even;
    }
    const QString title = dice.check.dice == 0 ? QObject::tr("No dice thrown yet")
                                               : QObject::tr("Every die thrown, by its face");
    return barChart(title, faces,
                    {barSet(QObject::tr("Thrown"), kWinsColour, counts),
                     barSet(QObject::tr("Expected of fair dice"), kExpectedColour, expected)},
                    QObject::tr("Dice"));
}

} // namespace quintel
