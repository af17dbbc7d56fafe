#pragma once

#include "desktop/profile_bars_widget.h"
#include "records/profile_chart.h"

#include <QWidget>

class QLabel;

namespace quintel {

// The window behind "Your profile": the bars and the sentences that say what they mean.
class ProfileChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProfileChartWindow(QWidget* parent = nullptr);

    void setChart(const ProfileChart& chart);
    const ProfileBarsWidget& bars() const { return *bars_; }
    QString summary() const;

private:
    ProfileBarsWidget* bars_;
    QLabel* summary_;
};

} // namespace quintel
