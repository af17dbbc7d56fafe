#pragma once

#include <QString>
#include <QWidget>

namespace quintel {

// A row of dice faces, one for each digit of a text: the dice of a call in a game's review.
class DiceRowWidget : public QWidget {
    Q_OBJECT
public:
    explicit DiceRowWidget(QWidget* parent = nullptr);

    void setDice(const QString& digits);
    const QString& dice() const { return dice_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString dice_;
};

} // namespace quintel
