#include "desktop/status_line_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quintel {

namespace {

QAccessibleInterface* statusBarInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(StatusLineWidget::staticMetaObject.className()) ||
        !object->isWidgetType()) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
}

void installStatusBarRole() {
    static const bool installed = [] {
        QAccessible::installFactory(statusBarInterface);
        return true;
    }();
    (void)installed;
}

} // namespace

StatusLineWidget::StatusLineWidget(QWidget* parent) : QLabel(parent) {
    installStatusBarRole();
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void StatusLineWidget::setStatus(const QString& text) {
    if (text == this->text()) {
        return;
    }
    setText(text);
    // The name is what a screen reader reads of a status bar; setting it tells of the change.
    setAccessibleName(text);
}

} // namespace quintel
