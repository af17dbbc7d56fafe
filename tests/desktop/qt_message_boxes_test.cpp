#include "desktop/qt_message_boxes.h"
#include "desktop/screen_window.h"
#include "tests/desktop/fake_screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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

// Every 10 ms while a message box is open, runs `step` on it until `step` says it is done; after
// two seconds gives up, failing, and closes the box.
void whileBoxIsOpen(std::function<bool(QMessageBox&)> step) {
    auto* poll = new QTimer(qApp);
    auto polls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, polls, step = std::move(step)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        const bool done = step(*box);
        if (!done && ++*polls > 200) {
            ADD_FAILURE() << "the box never got there";
            box->reject();
        }
        if (done || *polls > 200) {
            poll->deleteLater();
            poll->stop();
        }
    });
    poll->start(10);
}

class OwnedMessageBoxesTest : public ::testing::Test {
protected:
    QtMessageBoxes boxes;
    QWidget owner, other;

    OwnedMessageBoxesTest() {
        owner.setGeometry(60, 60, 312, 300);
        other.setGeometry(480, 320, 200, 150);
        owner.show();
        other.show();
        boxes.setOwner([this] { return &owner; });
    }
};

TEST_F(OwnedMessageBoxesTest, ABoxOpensCentredOnItsOwnerNotOnTheActiveWindow) {
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
    QPoint offset;
    whileBoxIsOpen([&](QMessageBox& box) {
        offset = box.frameGeometry().center() - owner.frameGeometry().center();
        box.accept();
        return true;
    });
    boxes.show("Incorrect Input", MessageButtons::Ok);
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
}

// The second click of a double-click lands on the owner after the box has opened, and takes the
// focus there; the box takes it back, and Return answers with the default button.
TEST_F(OwnedMessageBoxesTest, ABoxKeepsTheFocusOnItsDefaultButtonAfterADoubleClick) {
    owner.activateWindow();
    for (const auto& [buttons, expected] : {std::pair{MessageButtons::YesNo, MessageAnswer::Yes},
                                            std::pair{MessageButtons::Ok, MessageAnswer::Ok}}) {
        bool clickedOwner = false;
        whileBoxIsOpen([&](QMessageBox& box) {
            if (!clickedOwner) {
                clickedOwner = true;
                owner.activateWindow();
                return false;
            }
            if (QApplication::activeWindow() != &box ||
                QApplication::focusWidget() != box.defaultButton()) {
                return false;
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            return true;
        });
        EXPECT_EQ(boxes.show("Continue ? ", buttons), expected);
    }
}

// At twice its design a window's box is drawn twice as large as at the design, and never so narrow
// that a window manager would cut its title.
TEST(QtMessageBoxesOfAScreen, FollowTheFactorOfTheirWindowAndLeaveRoomForTheTitle) {
    qttest::FakeScreen screen;
    ScreenWindow window(screen);
    screen.Show();
    window.sync();
    window.show();
    QtMessageBoxes boxes;
    boxes.setOwner([&window] { return &window; });
    const auto measure = [&boxes](double& fontHeight, int& width) {
        whileBoxIsOpen([&](QMessageBox& box) {
            fontHeight = QFontMetricsF(box.font()).height();
            width = box.width();
            box.accept();
            return true;
        });
        boxes.show("Continue ? ", MessageButtons::Ok);
    };
    double designHeight = 0, doubledHeight = 0;
    int designWidth = 0, doubledWidth = 0;
    window.setScaleFactor(1.0);
    measure(designHeight, designWidth);
    window.setScaleFactor(2.0);
    ASSERT_EQ(window.scaleFactor(), 2.0);
    measure(doubledHeight, doubledWidth);
    EXPECT_NEAR(doubledHeight / designHeight, 2.0, 0.25);
    QFont title = QApplication::font();
    title.setBold(true);
    EXPECT_GE(designWidth, QFontMetrics(title).horizontalAdvance(QStringLiteral("Quintel")) + 160);
}

} // namespace
} // namespace quintel
