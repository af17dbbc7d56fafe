#include "table/form_start.h"

#include <charconv>
#include <string>

namespace quintel {

namespace {

// The label's figure; an empty or unreadable label counts as 0.
int countdownValue(const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first != last && *first == ' ') {
        ++first;
    }
    std::from_chars(first, last, value);
    return value;
}

} // namespace

// Timer1 has no interval, so this never runs in play; should it tick, it only counts the label
// down: nothing in the game reacts to the figure.
void FormStart::Timer1_Timer() {
    lblSecond.caption = std::to_string(countdownValue(lblSecond.caption) - 1);
    lblSecond.visible = true;
}

void FormStart::stopCountdown() {
    Timer1.enabled = false;
    lblSecond.caption = "20";
    lblSecond.visible = false;
}

} // namespace quintel
