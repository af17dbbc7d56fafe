#include "desktop/die_painter.h"

#include <QPainter>
#include <QPainterPath>

namespace quintel {

namespace {

// The outline of a marked die, in shares of the face's side: its pen, and how far its middle lies
// beyond the face.
constexpr qreal kOutlineWidth = 0.1125;
constexpr qreal kOutlineOffset = 0.05625;
// Corner radius of a rounded die, in shares of the face's side.
constexpr qreal kCorner = 0.18;

void paintOutline(QPainter& painter, const QRectF& square) {
    const qreal side = square.width();
    const qreal corner = side * kCorner;
    const qreal out = side * kOutlineOffset;
    painter.setPen(QPen(QColor::fromRgb(kDieMarkColour), side * kOutlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(square.adjusted(-out, -out, out, out), corner + out, corner + out);
}

void paintPips(QPainter& painter, const QRectF& square, int face, QColor ink) {
    const qreal column = square.width() / 3.0;
    const qreal row = square.height() / 3.0;
    const qreal radius = column * 0.3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const QPoint& pip : pipCells(face)) {
        painter.drawEllipse(
            QPointF(square.left() + column * (pip.x() + 0.5), square.top() + row * (pip.y() + 0.5)),
            radius, radius);
    }
}

// Badge and padlock sit on the middle of the top and bottom edge: no face has a pip there, so they
// never cover one.

// A round badge with an X: this die goes back into the cup.
void paintBadge(QPainter& painter, const QRectF& square) {
    const qreal radius = square.width() * 0.19;
    const QPointF centre(square.center().x(), square.top() + square.width() * 0.06);
    const QColor ink(60, 40, 0);
    painter.setPen(QPen(ink, radius * 0.18));
    painter.setBrush(QColor::fromRgb(kDieMarkColour));
    painter.drawEllipse(centre, radius, radius);
    const qreal arm = radius * 0.45;
    painter.setPen(QPen(ink, radius * 0.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
}

// A padlock: the last caller kept this die, it cannot be thrown.
void paintLock(QPainter& painter, const QRectF& square) {
    const qreal width = square.width() * 0.32;
    const qreal height = width * 0.7;
    const QRectF body(square.center().x() - width / 2,
                      square.bottom() + square.width() * 0.1 - height, width, height);
    const QColor ink = QColor::fromRgb(kDieLockInkColour);

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

} // namespace

void paintDie(QPainter& painter, const QRectF& square, const DieLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (look.marked) {
        paintOutline(painter, square);
    }
    const QColor body = QColor::fromRgb(look.locked ? kDieLockedColour : kDieFaceColour);
    if (look.rounded) {
        const qreal corner = square.width() * kCorner;
        painter.setPen(Qt::NoPen);
        painter.setBrush(body);
        painter.drawRoundedRect(square, corner, corner);
    } else {
        painter.fillRect(square, body);
    }
    paintPips(painter, square, look.face,
              QColor::fromRgb(look.locked ? kDieLockedPipColour : kDiePipColour));
    if (look.marked) {
        paintBadge(painter, square);
    }
    if (look.locked) {
        paintLock(painter, square);
    }
    painter.restore();
}

QList<QPoint> pipCells(int face) {
    switch (face) {
    case 1:
        return {{1, 1}};
    case 2:
        return {{0, 0}, {2, 2}};
    case 3:
        return {{0, 0}, {1, 1}, {2, 2}};
    case 4:
        return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
    case 5:
        return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    case 6:
        return {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}};
    default:
        return {};
    }
}

} // namespace quintel
