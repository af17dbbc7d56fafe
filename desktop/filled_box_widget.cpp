#include "desktop/filled_box_widget.h"

#include <QPainter>

namespace quintel {

FilledBoxWidget::FilledBoxWidget(QColor fill, QWidget* parent) : QWidget(parent), fill_(fill) {}

void FilledBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
}

} // namespace quintel
