#pragma once

#include "model/message_boxes.h"

#include <functional>
#include <string_view>
#include <utility>

class QWidget;

namespace quintel {

// The game's message boxes as modal Qt dialogs titled "Quintel", centred on the window they
// belong to. A box takes the focus, on its default button, when it opens and again whenever
// another window of the program takes it while the box is open (the second click of a
// double-click does, without a window manager), so that Return always answers it.
class QtMessageBoxes : public MessageBoxes {
public:
    // Runs before each box appears, so that the windows behind it show the state the message is
    // about (the revealed dice behind a verdict, say).
    void setBeforeShow(std::function<void()> beforeShow) { beforeShow_ = std::move(beforeShow); }
    // Gives the window each box belongs to, asked after `beforeShow`; without one, the active
    // window.
    void setOwner(std::function<QWidget*()> owner) { owner_ = std::move(owner); }

    MessageAnswer show(std::string_view text, MessageButtons buttons) override;

private:
    std::function<void()> beforeShow_;
    std::function<QWidget*()> owner_;
};

} // namespace quintel
