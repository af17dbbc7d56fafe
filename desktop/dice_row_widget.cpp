#include "desktop/dice_row_widget.h"

#include "desktop/die_painter.h"

#include <QPainter>

namespace quintel {

namespace {

// Room for five dice, so that rows of fewer dice line up under each other.
constexpr int kMostDice = 5;

} // namespace

DiceRowWidget::DiceRowWidget(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void DiceRowWidget::setDice(const QString& digits) {
    dice_ = digits;
    setAccessibleName(digits.isEmpty() ? tr("no dice") : digits);
    update();
}

QSize DiceRowWidget::sizeHint() const {
    const int side = fontMetrics().height() * 2;
    return {kMostDice * side * 5 / 4, side};
}

void DiceRowWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = height();
    if (dice_.isEmpty()) {
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, tr("none"));
        return;
    }
    for (int i = 0; i < dice_.size(); ++i) {
        const QRectF square(i * side * 1.25, 0, side, side);
        paintDie(painter, square.adjusted(1, 1, -1, -1),
                 DieLook{.face = dice_[i].digitValue(), .rounded = true});
    }
}

} // namespace quintel
