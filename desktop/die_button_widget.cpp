#include "desktop/die_button_widget.h"

#include "desktop/picture_widget.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quintel {

DieButtonWidget::DieButtonWidget(QWidget* parent) : QPushButton(parent) {
    // The painted face is the whole button; there is no frame of the style's around it.
    setFlat(true);
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
    const qreal corner = square.width() * 0.18;
    const bool greyed = locked();

    if (hasFocus()) {
        QPen ring(palette().color(QPalette::Highlight), std::max<qreal>(1.0, side * 0.04));
        ring.setStyle(Qt::DotLine);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(rect().toRectF().adjusted(0.5, 0.5, -0.5, -0.5), corner, corner);
    }
    if (marked()) {
        QPen outline{QColor::fromRgb(kMarkColour), side * 0.09};
        painter.setPen(outline);
        painter.setBrush(Qt::NoBrush);
        const qreal out = side * 0.045;
        painter.drawRoundedRect(square.adjusted(-out, -out, out, out), corner + out, corner + out);
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(greyed ? kLockedColour : kFaceColour));
    painter.drawRoundedRect(square, corner, corner);

    const QList<QPoint> pips = DieFaceWidget::pipCells(face());
    const qreal cell = square.width() / 3.0;
    const qreal radius = cell * 0.3;
    painter.setBrush(greyed ? QColor(225, 225, 225) : QColor::fromRgb(kPipColour));
    for (const QPoint& pip : pips) {
        painter.drawEllipse(
            QPointF(square.left() + cell * (pip.x() + 0.5), square.top() + cell * (pip.y() + 0.5)),
            radius, radius);
    }

    if (marked()) {
        paintBadge(painter, square);
    }
    if (greyed) {
        paintLock(painter, square);
    }
}

// Badge and padlock sit on the middle of the top and bottom edge: no face has a pip there, so they
// never cover one.

// A round badge with an X: this die goes back into the cup.
void DieButtonWidget::paintBadge(QPainter& painter, const QRectF& square) const {
    const qreal radius = square.width() * 0.19;
    const QPointF centre(square.center().x(), square.top() + square.width() * 0.06);
    painter.setPen(QPen(QColor(60, 40, 0), radius * 0.18));
    painter.setBrush(QColor::fromRgb(kMarkColour));
    painter.drawEllipse(centre, radius, radius);
    const qreal arm = radius * 0.45;
    painter.setPen(QPen(QColor(60, 40, 0), radius * 0.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
}

// A padlock: the last caller kept this die, it cannot be thrown.
void DieButtonWidget::paintLock(QPainter& painter, const QRectF& square) const {
    const qreal width = square.width() * 0.32;
    const qreal height = width * 0.7;
    const QRectF body(square.center().x() - width / 2,
                      square.bottom() + square.width() * 0.1 - height, width, height);
    const QColor ink(40, 40, 40);

    QPainterPath shackle;
    const qreal shackleWidth = width * 0.6;
    const QRectF arc(body.center().x() - shackleWidth / 2, body.top() - shackleWidth * 0.75,
                     shackleWidth, shackleWidth * 1.2);
    shackle.moveTo(arc.left(), body.top());
    shackle.arcTo(arc, 180, -180);
    shackle.lineTo(arc.right(), body.top());
    // A light rim first, so that the lock stands out on the grey face.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, width * 0.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(shackle);
    painter.setPen(QPen(ink, width * 0.15, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(shackle);

    painter.setPen(QPen(Qt::white, width * 0.08));
    painter.setBrush(ink);
    painter.drawRoundedRect(body, width * 0.12, width * 0.12);
}

} // namespace quintel
