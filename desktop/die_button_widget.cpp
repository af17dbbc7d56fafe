#include "desktop/die_button_widget.h"

#include "desktop/die_painter.h"

#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>

namespace quintel {

namespace {

// A tumble turns the die one and a half times and shows this many passing faces before its own.
constexpr qreal kTumbleDegrees = 540;
constexpr int kPassingFaces = 6;

} // namespace

DieButtonWidget::DieButtonWidget(QWidget* parent)
    : QPushButton(parent), tumble_(new QVariantAnimation(this)) {
    // The painted face is the whole button; there is no frame of the style's around it.
    setFlat(true);
    tumble_->setStartValue(0.0);
    tumble_->setEndValue(1.0);
    tumble_->setEasingCurve(QEasingCurve::OutCubic);
    connect(tumble_, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(tumble_, &QVariantAnimation::finished, this, [this] { update(); });
}

void DieButtonWidget::tumble(int milliseconds) {
    tumble_->stop();
    tumble_->setDuration(milliseconds);
    tumble_->start();
}

bool DieButtonWidget::tumbling() const {
    return tumble_->state() == QAbstractAnimation::Running;
}

void DieButtonWidget::setCaption(const QString& caption) {
    setText(caption);
    setAccessibleName(caption);
    update();
}

int DieButtonWidget::face() const {
    const QString caption = text();
    if (caption.isEmpty()) {
        return 0;
    }
    const int digit = caption.front().digitValue();
    return digit >= 1 && digit <= 6 ? digit : 0;
}

bool DieButtonWidget::marked() const {
    return text().size() > 1 && text().endsWith(QLatin1Char('X'));
}

bool DieButtonWidget::locked() const {
    return !isEnabled() && !marked();
}

void DieButtonWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    // Room around the face for the outline of a marked die and the focus ring.
    const qreal margin = side * 0.1;
    QRectF square((width() - side) / 2 + margin, (height() - side) / 2 + margin, side - 2 * margin,
                  side - 2 * margin);
    if (isDown()) {
        square.translate(side * 0.03, side * 0.03);
    }
    if (hasFocus()) {
        const qreal corner = square.width() * 0.18;
        QPen ring(palette().color(QPalette::Highlight), std::max<qreal>(1.0, side * 0.04));
        ring.setStyle(Qt::DotLine);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(rect().toRectF().adjusted(0.5, 0.5, -0.5, -0.5), corner, corner);
    }
    int shown = face();
    if (tumbling()) {
        const qreal progress = tumble_->currentValue().toReal();
        const QPointF centre = square.center();
        painter.translate(centre);
        painter.rotate((1 - progress) * kTumbleDegrees);
        painter.translate(-centre);
        // The passing faces, each other than the last, until the die comes to rest on its own.
        const int passed = static_cast<int>(progress * kPassingFaces);
        if (passed < kPassingFaces - 1 && shown > 0) {
            shown = (shown + passed) % 6 + 1;
        }
    }
    paintDie(painter, square,
             {.face = shown, .rounded = true, .marked = marked(), .locked = locked()});
}

} // namespace quintel
