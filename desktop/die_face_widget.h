#pragma once

#include <QWidget>

namespace quintel {

// A picture of a die face: light pips on a red square (the call dialog's pictures, and the
// example hands of the help pages).
class DieFaceWidget : public QWidget {
    Q_OBJECT
public:
    explicit DieFaceWidget(int face, QWidget* parent = nullptr);
    int face() const { return face_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int face_;
};

} // namespace quintel
