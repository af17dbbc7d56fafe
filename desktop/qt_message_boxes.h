#pragma once

#include "model/message_boxes.h"

#include <functional>
#include <string_view>
#include <utility>

namespace quintel {

// The game's message boxes as modal Qt dialogs titled "Quintel".
class QtMessageBoxes : public MessageBoxes {
public:
    // Runs before each box appears, so that the windows behind it show the state the message is
    // about (the revealed dice behind a verdict, say).
    void setBeforeShow(std::function<void()> beforeShow) { beforeShow_ = std::move(beforeShow); }

    MessageAnswer show(std::string_view text, MessageButtons buttons) override;

private:
    std::function<void()> beforeShow_;
};

} // namespace quintel
