#pragma once

#include "app/help_texts.h"

#include <QWidget>

namespace quintel {

// A window that shows one page of help texts: its sections with their paragraphs, and the example
// hands drawn as dice beside their captions. It is a plain reading window beside the game, not
// modal; Esc closes it.
class HelpPageView : public QWidget {
    Q_OBJECT
public:
    explicit HelpPageView(const HelpPage& page, QWidget* parent = nullptr);
};

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
