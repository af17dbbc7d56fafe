#pragma once

#include <QLabel>

namespace quintel {

// A screen's status line: a few wrapped lines of plain text under the design area. Assistive
// technology sees it as a status bar whose name is the text, and hears of every new text.
class StatusLineWidget : public QLabel {
    Q_OBJECT
public:
    explicit StatusLineWidget(QWidget* parent = nullptr);

    // Shows `text` and announces it when it differs from what was shown.
    void setStatus(const QString& text);
};

} // namespace quintel
