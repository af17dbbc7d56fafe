#pragma once

#include "forms/accessible_text.h"

class QWidget;

namespace quintel {

// Gives a control's widget what its screen says of the control for assistive technology. A
// changed name is announced (Qt tells of it); an unchanged one is left alone.
void applyAccessibleText(QWidget& widget, const AccessibleText& text);

} // namespace quintel
