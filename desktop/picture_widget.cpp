#include "desktop/picture_widget.h"

#include <QPainter>

namespace quintel {

FilledBoxWidget::FilledBoxWidget(QColor fill, QWidget* parent) : QWidget(parent), fill_(fill) {}

void FilledBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
}

DieFaceWidget::DieFaceWidget(int face, QWidget* parent) : QWidget(parent), face_(face) {}

QList<QPoint> DieFaceWidget::pipCells(int face) {
    // Cells on a 3 × 3 grid: (column, row).
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

void DieFaceWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square = rect();
    painter.fillRect(square, QColor(192, 0, 0));

    const qreal cell = square.width() / 3.0;
    const qreal radius = cell * 0.3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 250, 235));
    for (const QPoint& pip : pipCells(face_)) {
        const QPointF centre(cell * (pip.x() + 0.5), square.height() / 3.0 * (pip.y() + 0.5));
        painter.drawEllipse(centre, radius, radius);
    }
}

} // namespace quintel
