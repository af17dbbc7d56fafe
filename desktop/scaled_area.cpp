#include "desktop/scaled_area.h"

#include "desktop/design_scale.h"

#include <QResizeEvent>

#include <algorithm>

namespace quintel {

ScaledArea::ScaledArea(QWidget* design, QWidget* parent) : QWidget(parent), design_(design) {
    design_->setParent(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ScaledArea::setDesignSize(QSize size) {
    if (size == designSize_) {
        return;
    }
    designSize_ = size;
    updateGeometry();
    arrange();
}

void ScaledArea::addRow(QWidget* row, int designHeight) {
    row->setParent(this);
    rows_.push_back({row, designHeight});
    row->show();
    updateGeometry();
    arrange();
}

QSize ScaledArea::totalDesignSize() const {
    int height = designSize_.height();
    for (const Row& row : rows_) {
        height += row.designHeight;
    }
    return {designSize_.width(), height};
}

void ScaledArea::setPreferredFactor(double factor) {
    preferredFactor_ = factor;
    updateGeometry();
}

QSize ScaledArea::sizeHint() const {
    return scaledSize(totalDesignSize(), preferredFactor_);
}

QSize ScaledArea::minimumSizeHint() const {
    return totalDesignSize();
}

void ScaledArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void ScaledArea::arrange() {
    const QSize total = totalDesignSize();
    // Never below the design: there its places would no longer hold their captions.
    const double factor = std::max(1.0, fittingFactor(size(), total));
    const QSize drawn = scaledSize(total, factor);
    const QPoint origin((width() - drawn.width()) / 2, (height() - drawn.height()) / 2);
    int designTop = 0;
    const auto place = [&](QWidget* widget, int designHeight) {
        const QRect scaled = scaledRect({0, designTop, total.width(), designHeight}, factor);
        widget->setGeometry(scaled.translated(std::max(0, origin.x()), std::max(0, origin.y())));
        designTop += designHeight;
    };
    place(design_, designSize_.height());
    for (const Row& row : rows_) {
        place(row.widget, row.designHeight);
    }
    if (factor != factor_) {
        factor_ = factor;
        emit rescaled(factor_);
    }
}

} // namespace quintel
