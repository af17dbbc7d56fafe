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

// A die face drawn in code: light pips on a red square.
class DieFaceWidget : public QWidget {
    Q_OBJECT
public:
    explicit DieFaceWidget(int face, QWidget* parent = nullptr);
    int face() const { return face_; }

    // Pip centres for a face 1..6, in units of a third of the side (0..2 on each axis); an empty
    // list for any other number.
    static QList<QPoint> pipCells(int face);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int face_;
};

} // namespace quintel
