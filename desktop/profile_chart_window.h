#pragma once

#include "desktop/profile_bars_widget.h"
#include "records/profile_chart.h"

#include <QWidget>

#include <string>

class QLabel;

namespace quintel {

// The window behind "Your profile": the bars and the sentences that say what they mean.
class ProfileChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProfileChartWindow(QWidget* parent = nullptr);

    // The chart of `player`'s profile; the window is titled with the name once a player has one.
    void setChart(const ProfileChart& chart, const std::string& player);
    const ProfileBarsWidget& bars() const { return *bars_; }
    QString summary() const;

private:
    ProfileBarsWidget* bars_;
    QLabel* summary_;
};

} // namespace quintel
