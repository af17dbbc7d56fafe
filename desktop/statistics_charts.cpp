#include "desktop/statistics_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace quintel {

namespace {

const QColor kWinsColour(90, 110, 210);
const QColor kRateColour(230, 140, 0);
const QColor kExpectedColour(160, 160, 160);

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QValueAxis* valueAxis(qreal top, const QString& title, const QString& format) {
    auto* axis = new QValueAxis;
    axis->setRange(0, top);
    axis->setTitleText(title);
    axis->setLabelFormat(format);
    axis->applyNiceNumbers();
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
    QValueAxis* counts = valueAxis(most, countTitle, QStringLiteral("%d"));
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
    for (const TimelinePoint& point : statistics.timeline) {
        const auto game = static_cast<qreal>(point.game);
        wins->append(game, static_cast<qreal>(point.wins));
        rate->append(game, point.movingWinRate * 100.0);
    }
    chart->addSeries(wins);
    chart->addSeries(rate);
    const auto played = static_cast<qreal>(std::max<long long>(statistics.all.games, 1));
    QValueAxis* games = valueAxis(played, QObject::tr("Game"), QStringLiteral("%d"));
    games->setMin(statistics.all.games > 1 ? 1 : 0);
    chart->addAxis(games, Qt::AlignBottom);
    QValueAxis* won = valueAxis(std::max<qreal>(1, static_cast<qreal>(statistics.all.wins)),
                                QObject::tr("Games won"), QStringLiteral("%d"));
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
    QStringList names;
    for (const GroupRate& group : groups) {
        const QString name = QObject::tr("%1 (%2)").arg(QString::fromStdString(group.name),
                                                        QString::number(group.tally.games));
        names << name;
        const qreal low = group.interval.low * 100.0;
        const qreal high = group.interval.high * 100.0;
        series->append(new QBoxSet(low, low, group.rate * 100.0, high, high, name));
    }
    chart->addSeries(series);
    auto* axis = new QBarCategoryAxis;
    axis->append(names);
    chart->addAxis(axis, Qt::AlignBottom);
    series->attachAxis(axis);
    QValueAxis* rates = percentAxis(QObject::tr("Games won"));
    chart->addAxis(rates, Qt::AlignLeft);
    series->attachAxis(rates);
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
                    {QObject::tr("By you"), QObject::tr("By the computer")},
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
