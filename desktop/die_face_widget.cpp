#include "desktop/die_face_widget.h"

#include "desktop/die_painter.h"

#include <QPainter>

namespace quintel {

DieFaceWidget::DieFaceWidget(int face, QWidget* parent) : QWidget(parent), face_(face) {}

void DieFaceWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintDie(painter, rect(), {.face = face_});
}

} // namespace quintel
