#include "desktop/qt_message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace quintel {
namespace {

// Presses `press` on the next modal message box, noting its title, text and buttons in `seen`.
void answerNextBox(QMessageBox::StandardButton press, QStringList& seen) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, press, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isVisible()) {
            poll->deleteLater();
            poll->stop();
            seen = {box->windowTitle(), box->text(), QString::number(box->standardButtons())};
            box->button(press)->click();
        }
    });
    poll->start(10);
}

TEST(QtMessageBoxes, ButtonsGiveTheirAnswersOnceTheWindowsWereBroughtUpToDate) {
    QtMessageBoxes boxes;
    bool boxOpenBeforeShow = true;
    boxes.setBeforeShow([&] { boxOpenBeforeShow = QApplication::activeModalWidget() != nullptr; });
    QStringList seen;
    answerNextBox(QMessageBox::Ok, seen);
    EXPECT_EQ(boxes.show("Call : 2226\r\nDice : 22264", MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_FALSE(boxOpenBeforeShow);
    EXPECT_EQ(seen, (QStringList{"Quintel", "Call : 2226\nDice : 22264",
                                 QString::number(QMessageBox::Ok)}));
    answerNextBox(QMessageBox::Yes, seen);
    EXPECT_TRUE(boxes.ask("Continue ? "));
    EXPECT_EQ(seen.last(), QString::number(QMessageBox::Yes | QMessageBox::No));
    answerNextBox(QMessageBox::No, seen);
    EXPECT_FALSE(boxes.ask("Continue ? "));
}

} // namespace
} // namespace quintel
