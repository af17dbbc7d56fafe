#include "desktop/accessible_names.h"

#include <QWidget>

namespace quintel {

void applyAccessibleText(QWidget& widget, const AccessibleText& text) {
    const QString name = QString::fromStdString(text.name);
    const QString description = QString::fromStdString(text.description);
    if (widget.accessibleName() != name) {
        widget.setAccessibleName(name);
    }
    if (widget.accessibleDescription() != description) {
        widget.setAccessibleDescription(description);
    }
}

} // namespace quintel
