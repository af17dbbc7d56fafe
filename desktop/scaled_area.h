#pragma once

#include <QWidget>

#include <vector>

namespace quintel {

// The central area of a screen's window: the design area, and any rows added below it, drawn at
// the one factor that fits them all into the area, centred with the rest left empty. The area
// asks for its design at `preferredFactor` and never less than the design itself.
class ScaledArea : public QWidget {
    Q_OBJECT
public:
    // `design` is the widget that holds the controls; the area takes it as its child.
    ScaledArea(QWidget* design, QWidget* parent = nullptr);

    // The size of the design area at factor 1, in pixels.
    void setDesignSize(QSize size);
    QSize designSize() const { return designSize_; }
    // Adds `row` below the design area and the rows added before it, `designHeight` pixels high
    // at factor 1 and as wide as the design area.
    void addRow(QWidget* row, int designHeight);
    // The design area with every row, at factor 1.
    QSize totalDesignSize() const;

    double factor() const { return factor_; }
    double preferredFactor() const { return preferredFactor_; }
    void setPreferredFactor(double factor);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The factor changed; the area has already placed the design area and the rows.
    void rescaled(double factor);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row {
        QWidget* widget;
        int designHeight;
    };
    void arrange();

    QWidget* design_;
    std::vector<Row> rows_;
    QSize designSize_;
    double factor_ = 1.0;
    double preferredFactor_ = 1.0;
};

} // namespace quintel
