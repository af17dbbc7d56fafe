#include "app/qt_message_boxes_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace quintel {
namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::StandardButtons buttons;
    bool modal = false;
};

// Waits for the message box to appear, notes what it shows and presses `press` on it.
void answerNextBox(QMessageBox::StandardButton press, SeenBox& seen) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, press, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        seen = {box->windowTitle(), box->text(), box->standardButtons(), box->isModal()};
        box->button(press)->click();
    });
    poll->start(10);
}

TEST(QtMessageBoxes, YesAndNoButtonsGiveYesAndNo) {
    QtMessageBoxes boxes;
    SeenBox seen;
    answerNextBox(QMessageBox::Yes, seen);
    EXPECT_EQ(boxes.show("Continue ? ", MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_EQ(seen.title, "Quintel");
    EXPECT_EQ(seen.text, "Continue ? ");
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(seen.modal);

    answerNextBox(QMessageBox::No, seen);
    EXPECT_FALSE(boxes.ask("Continue ? "));
}

TEST(QtMessageBoxes, InformShowsOneOkButtonAndTheLinesOfTheText) {
    QtMessageBoxes boxes;
    SeenBox seen;
    answerNextBox(QMessageBox::Ok, seen);
    EXPECT_EQ(boxes.show("AI Not Trust Last Call\r\nDice : 11234", MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.text, "AI Not Trust Last Call\nDice : 11234");
}

TEST(QtMessageBoxes, WindowsAreBroughtUpToDateBeforeTheBoxAppears) {
    QtMessageBoxes boxes;
    bool boxWasOpen = true;
    int calls = 0;
    boxes.setBeforeShow([&] {
        ++calls;
        boxWasOpen = QApplication::activeModalWidget() != nullptr;
    });
    SeenBox seen;
    answerNextBox(QMessageBox::Ok, seen);
    boxes.inform("YOU Win!!!");
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(boxWasOpen);
}

} // namespace
} // namespace quintel
