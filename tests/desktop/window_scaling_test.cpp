#include "desktop/design_scale.h"
#include "desktop/screen_window.h"
#include "desktop/windows.h"
#include "tests/desktop/fake_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

TEST(DesignScale, FirstStartIsAboutTwiceTheDesignOnAFullHdScreenAndNeverBelowTheDesign) {
    const QSize table(312, 293); // the design area and the status line under it
    EXPECT_EQ(firstStartFactor({1920, 1080}, table), 2.0);
    EXPECT_EQ(firstStartFactor({3840, 2160}, table), 2.0) << "twice at most";
    EXPECT_EQ(firstStartFactor({1366, 768}, table), 1.5) << "0.55 of the height is 1.44";
    EXPECT_EQ(firstStartFactor({1280, 1024}, table), 1.25) << "a third of the width is 1.37";
    EXPECT_EQ(firstStartFactor({800, 600}, table), 1.0);
    EXPECT_EQ(firstStartFactor({640, 480}, table), 1.0) << "never below the design";
}

TEST(DesignScale, WholeFactorsMultiplyAndNeighboursStillTouchInBetween) {
    EXPECT_EQ(scaledRect({152, 152, 25, 25}, 1.0), QRect(152, 152, 25, 25));
    EXPECT_EQ(scaledRect({152, 152, 25, 25}, 2.0), QRect(304, 304, 50, 50));
    EXPECT_EQ(scaledRect({152, 152, 25, 25}, 3.0), QRect(456, 456, 75, 75));
    const QRect left = scaledRect({15, 7, 25, 9}, 1.5), right = scaledRect({40, 7, 25, 9}, 1.5);
    EXPECT_EQ(left.right() + 1, right.left());
    EXPECT_EQ(fittingFactor({624, 700}, {312, 253}), 2.0);
    EXPECT_EQ(fittingFactor({700, 506}, {312, 253}), 2.0);
}

QRect designPixels(const Control& control) {
    const Place& place = control.place;
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
            twipsToPixels(place.height)};
}

// The game's three screens signed in, with the call dialog open.
class GameScalingTest : public ::testing::Test {
protected:
    GameContext context;
    Game& game = context.game;
    Windows windows{game, [] {}};
    ScreenWindow& welcome = windows.windowOf(game.formWelcome);
    ScreenWindow& table = windows.windowOf(game.formStart);
    ScreenWindow& dialog = windows.windowOf(game.formCall);

    GameScalingTest() {
        game.start();
        windows.refresh();
        game.formWelcome.txtName.edited("Ann");
        game.formWelcome.btnOK.click();
        windows.refresh();
        game.formStart.Call1.click();
        windows.refresh();
    }
    std::vector<ScreenWindow*> all() { return {&welcome, &table, &dialog}; }

    // Every drawn control of the window stands where its design says at `factor`.
    // The design area, with the status line below it on the screens that have one.
    static int designHeight(ScreenWindow& window) {
        const Control* status = window.screen().statusLine();
        return status == nullptr ? 253 : designPixels(*status).bottom() + 1;
    }

    static void expectPlaced(ScreenWindow& window, const std::function<QRect(QRect)>& expected) {
        for (Control* control : window.screen().controls()) {
            if (QWidget* widget = window.widgetFor(*control)) {
                EXPECT_EQ(widget->geometry(), expected(designPixels(*control)))
                    << window.windowTitle().toStdString() << " " << control->name << "("
                    << control->index << ")";
            }
        }
    }
};

TEST_F(GameScalingTest, AtFactorOneEveryControlStandsAtItsDesignAndAtTwoItIsDoubled) {
    for (ScreenWindow* window : all()) {
        // The welcome screen has been closed by the sign-in; its window keeps its controls.
        window->show();
        ASSERT_EQ(window->scaleFactor(), 1.0) << "the test screen is small";
        expectPlaced(*window, [](QRect design) { return design; });
        const int height = designHeight(*window);
        EXPECT_EQ(window->clientArea()->size(), QSize(312, height));

        window->setScaleFactor(2.0);
        EXPECT_EQ(window->scaleFactor(), 2.0);
        EXPECT_EQ(window->clientArea()->size(), QSize(624, 2 * height));
        expectPlaced(*window, [](QRect design) {
            return QRect(2 * design.x(), 2 * design.y(), 2 * design.width(), 2 * design.height());
        });
        window->setScaleFactor(1.0);
        expectPlaced(*window, [](QRect design) { return design; });
    }
}

TEST_F(GameScalingTest, ResizedByHandTheDesignKeepsItsShapeCentredInTheWindow) {
    const QSize before = table.size();
    const QSize area = table.centralWidget()->size();
    // Wider than the design's shape: the height decides, the rest is left and right of it.
    table.resize(before + QSize(area.width() * 3, area.height()));
    EXPECT_EQ(table.scaleFactor(), 2.0);
    const QRect client = table.clientArea()->geometry();
    EXPECT_EQ(client.size(), QSize(624, 2 * designHeight(table)));
    EXPECT_EQ(client.center().x(), table.centralWidget()->rect().center().x());
    EXPECT_EQ(client.top(), 0);
    auto* die = qobject_cast<QPushButton*>(table.widgetNamed("Dice", 0));
    EXPECT_EQ(die->geometry(), QRect(304, 304, 50, 50));
    EXPECT_EQ(die->grab().size(), QSize(50, 50)) << "drawn at its real size";

    // Never smaller than the design.
    table.resize(100, 100);
    EXPECT_GE(table.width(), before.width());
    EXPECT_EQ(table.scaleFactor(), 1.0);
}

TEST_F(GameScalingTest, FontsGrowWithTheFactor) {
    auto* call = qobject_cast<QPushButton*>(table.widgetNamed("Call1"));
    const int designPixels = call->font().pixelSize();
    EXPECT_EQ(designPixels, 11);
    table.setScaleFactor(3.0);
    EXPECT_EQ(call->font().pixelSize(), 33);
    EXPECT_EQ(table.designFont().pixelSize(), 33);
}

TEST(ScreenWindowRows, ARowBelowTheDesignScalesWithTheWindow) {
    FakeScreen screen;
    screen.Show();
    ScreenWindow window(screen);
    window.show();
    const int heightBefore = window.height();
    auto* row = new QLabel(QStringLiteral("status"));
    window.addRowBelowDesign(row, 20);
    EXPECT_EQ(window.height(), heightBefore + 20);
    EXPECT_EQ(window.designSize(), QSize(312, 273));
    EXPECT_EQ(row->geometry(), QRect(0, 253, 312, 20));
    double seen = 0;
    QObject::connect(&window, &ScreenWindow::rescaled, [&](double factor) { seen = factor; });
    window.setScaleFactor(2.0);
    EXPECT_EQ(seen, 2.0);
    EXPECT_EQ(row->geometry(), QRect(0, 506, 624, 40));
    EXPECT_EQ(row->font().pixelSize(), 22);
    EXPECT_EQ(window.clientArea()->geometry(), QRect(0, 0, 624, 506));
}

} // namespace
} // namespace quintel::qttest
