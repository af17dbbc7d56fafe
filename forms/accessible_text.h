#pragma once

#include "forms/control.h"

#include <string>

namespace quintel {

// What assistive technology says of a control: a short name, which holds the control's value
// when it has one ("Die 2: five"), and what the control is for.
struct AccessibleText {
    std::string name;
    std::string description;
    bool operator==(const AccessibleText&) const = default;
};

// What a control says of itself without its screen's help: its caption, else its name, and its
// hover hint.
AccessibleText plainAccessibleText(const Control& control);

} // namespace quintel
