#include "forms/accessible_text.h"

namespace quintel {

AccessibleText plainAccessibleText(const Control& control) {
    return {control.caption.empty() ? control.name : control.caption, control.tooltip};
}

} // namespace quintel
