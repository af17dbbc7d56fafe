#include "desktop/profile_chart_window.h"

#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

namespace quintel {

ProfileChartWindow::ProfileChartWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), bars_(new ProfileBarsWidget(this)), summary_(new QLabel(this)) {
    setWindowTitle(tr("Your profile"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(bars_, 1);
    column->addWidget(summary_);
    resize(600, 440);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void ProfileChartWindow::setChart(const ProfileChart& chart, const std::string& player) {
    setWindowTitle(player.empty() ? tr("Your profile")
                                  : tr("Profile of %1").arg(QString::fromStdString(player)));
    bars_->setChart(chart);
    summary_->setText(QString::fromStdString(chart.summary));
}

QString ProfileChartWindow::summary() const {
    return summary_->text();
}

} // namespace quintel
