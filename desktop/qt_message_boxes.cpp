#include "desktop/qt_message_boxes.h"

#include "desktop/design_scale.h"
#include "desktop/screen_window.h"
#include "desktop/window_placement.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>
#include <QWindow>

namespace quintel {

namespace {

// A box centred on the window it belongs to, with its final size. (QDialog centres it before its
// size is known, and shifts it by a guessed window frame when no window manager gives one.)
class CentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
        if (owner == nullptr || !owner->isVisible()) {
            return;
        }
        QRect place(QPoint(), frameGeometry().size());
        place.moveCenter(owner->frameGeometry().center());
        if (const QScreen* screen = owner->screen()) {
            place.moveTopLeft(keptWithin(place, screen->availableGeometry()));
        }
        move(place.topLeft());
    }
};

// Room for what a window manager draws in a title bar beside the title: an icon and the buttons to
// shade, minimise, maximise and close, at the sizes the common desktops draw them.
constexpr int kTitleBarButtons = 160;

// The box is drawn at the factor of the window it belongs to, as that window's controls are, and
// wide enough that the window manager shows its whole title.
void fitToOwner(QMessageBox& box, const QWidget* owner) {
    const auto* window = qobject_cast<const ScreenWindow*>(owner);
    const double factor = window != nullptr ? window->scaleFactor() : 1.0;
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else {
        font.setPixelSize(scaledLength(font.pixelSize(), factor));
    }
    box.setFont(font);
    QFont title = QApplication::font();
    title.setBold(true);
    const int titleWidth = QFontMetrics(title).horizontalAdvance(box.windowTitle());
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(titleWidth + kTitleBarButtons, 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

void takeFocus(CentredMessageBox& box) {
    if (!box.isVisible()) {
        return;
    }
    box.raise();
    box.activateWindow();
    if (QPushButton* answer = box.defaultButton()) {
        answer->setFocus(Qt::ActiveWindowFocusReason);
    }
}

} // namespace

MessageAnswer QtMessageBoxes::show(std::string_view text, MessageButtons buttons) {
    if (beforeShow_) {
        beforeShow_();
    }
    QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    // With a parent the box opens centred on it.
    QWidget* owner = owner_ ? owner_() : QApplication::activeWindow();
    CentredMessageBox box(owner);
    box.setWindowTitle(
        QString::fromUtf8(kAppTitle.data(), static_cast<qsizetype>(kAppTitle.size())));
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    if (buttons != MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    fitToOwner(box, owner);
    // Once the box is up, and whenever another of the program's windows takes the focus from it
    // (which the box, being modal, would leave without an answer), the box takes it back. Queued,
    // so that it comes after whatever moved the focus.
    QTimer::singleShot(0, &box, [&box] { takeFocus(box); });
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &box, [&box](QWindow* focused) {
        if (focused != nullptr && focused != box.windowHandle()) {
            QTimer::singleShot(0, &box, [&box] { takeFocus(box); });
        }
    });
    const int pressed = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    // Closing a question without an answer counts as No.
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace quintel
