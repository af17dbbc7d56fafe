#include "desktop/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace quintel {

MessageAnswer QtMessageBoxes::show(std::string_view text, MessageButtons buttons) {
    if (beforeShow_) {
        beforeShow_();
    }
    QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(
        QString::fromUtf8(kAppTitle.data(), static_cast<qsizetype>(kAppTitle.size())));
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    // Closing a question without an answer counts as No.
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace quintel
