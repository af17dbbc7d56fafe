#pragma once

#include <QList>
#include <QWidget>

#include <string>

namespace quintel {

// Example dice ("66331") drawn as a row of die faces; its accessible name is the digits.
class HandWidget : public QWidget {
    Q_OBJECT
public:
    explicit HandWidget(const std::string& dice, QWidget* parent = nullptr);
    // The faces drawn, left to right; digits that are no face are left out.
    const QList<int>& faces() const { return faces_; }

private:
    QList<int> faces_;
};

} // namespace quintel
