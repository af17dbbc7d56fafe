#pragma once

#include "app/help_texts.h"

#include <QWidget>

namespace quintel {

// A window that shows one page of help texts: its sections with their paragraphs, and the example
// hands drawn as dice beside their captions. It is a plain reading window beside the game, not
// modal; Esc closes it.
class HelpPageWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpPageWindow(const HelpPage& page, QWidget* parent = nullptr);
};

} // namespace quintel
