#pragma once

#include <QColor>
#include <QWidget>

namespace quintel {

// A picture box that only shows its fill colour (the table's turn markers).
class FilledBoxWidget : public QWidget {
    Q_OBJECT
public:
    explicit FilledBoxWidget(QColor fill, QWidget* parent = nullptr);
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
};

} // namespace quintel
