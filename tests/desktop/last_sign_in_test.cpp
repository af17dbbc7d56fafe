#include "desktop/last_sign_in.h"
#include "desktop/windows.h"
#include "testing/temp_folder.h"
#include "tests/desktop/fake_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quintel::qttest {
namespace {

// Runs of the program one after another, sharing a settings file of their own.
class LastSignInTest : public ::testing::Test {
protected:
    TempFolder settingsFolder;
    QString settingsFile =
        QString::fromStdString((settingsFolder.path() / "Quintel.conf").string());

    struct Run {
        GameContext context;
        QSettings settings;
        Windows windows{context.game, [] {}};
        ScreenWindow& welcome = windows.windowOf(context.game.formWelcome);

        explicit Run(const QString& file) : settings(file, QSettings::IniFormat) {
            keepLastSignIn(context.game.formWelcome, settings);
            context.game.start();
            windows.refresh();
        }
        QLineEdit* name() { return qobject_cast<QLineEdit*>(welcome.widgetNamed("txtName")); }
        QCheckBox* box(std::string_view which) {
            return qobject_cast<QCheckBox*>(welcome.widgetNamed(which));
        }
    };
    std::unique_ptr<Run> start() { return std::make_unique<Run>(settingsFile); }
};

TEST_F(LastSignInTest, TheWelcomeWindowOffersTheLastSignInOfAnEarlierRun) {
    auto first = start();
    EXPECT_EQ(first->name()->text(), "") << "nothing kept: the design state";
    EXPECT_FALSE(first->box("Check1")->isChecked());
    EXPECT_FALSE(first->box("Check2")->isChecked());
    QTest::keyClicks(first->name(), "Ann");
    QTest::mouseClick(first->box("Check1"), Qt::LeftButton);
    QTest::mouseClick(qobject_cast<QPushButton*>(first->welcome.widgetNamed("btnOK")),
                      Qt::LeftButton);
    ASSERT_TRUE(first->context.game.formStart.shown());
    first.reset();

    auto second = start();
    EXPECT_EQ(second->name()->text(), "Ann");
    EXPECT_TRUE(second->box("Check1")->isChecked());
    EXPECT_FALSE(second->box("Check2")->isChecked());
}

TEST_F(LastSignInTest, TheOpponentOfTheLastSignInIsOfferedAgain) {
    auto radio = [](Run& run, std::string_view which) {
        return qobject_cast<QRadioButton*>(run.welcome.widgetNamed(which));
    };
    for (const auto& [button, opponent] :
         {std::pair{"optExpert", Opponent::Expert}, std::pair{"optMaster", Opponent::Master}}) {
        SCOPED_TRACE(button);
        auto first = start();
        ASSERT_NE(radio(*first, "optClassic"), nullptr);
        QTest::keyClicks(first->name(), "Ann");
        QTest::mouseClick(radio(*first, button), Qt::LeftButton);
        QTest::mouseClick(qobject_cast<QPushButton*>(first->welcome.widgetNamed("btnOK")),
                          Qt::LeftButton);
        ASSERT_TRUE(first->context.game.formStart.shown());
        first.reset();

        auto second = start();
        EXPECT_TRUE(radio(*second, button)->isChecked());
        EXPECT_FALSE(radio(*second, "optClassic")->isChecked());
        EXPECT_EQ(second->context.game.formWelcome.offer.opponent, opponent);
    }
}

TEST_F(LastSignInTest, TheWelcomeWindowOpensWithTheFocusInTheNameBox) {
    auto run = start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&run->welcome));
    EXPECT_EQ(QApplication::focusWidget(), run->name());
    QTest::keyClicks(QApplication::focusWidget(), "Ann");
    EXPECT_EQ(run->context.game.formWelcome.txtName.caption, "Ann");
}

// Back from the table, where OK took the focus when it was clicked: the name box has it again,
// with the offered name selected so that typing replaces it.
TEST_F(LastSignInTest, TheWelcomeWindowShownAgainHasTheFocusInTheNameBox) {
    auto run = start();
    Game& game = run->context.game;
    QTest::keyClicks(run->name(), "Ann");
    QTest::mouseClick(qobject_cast<QPushButton*>(run->welcome.widgetNamed("btnOK")),
                      Qt::LeftButton);
    ASSERT_TRUE(game.formStart.shown());
    run->windows.refresh();
    game.history.close();
    game.formStart.Unload();
    game.formWelcome.Show();
    run->windows.refresh();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&run->welcome));
    ASSERT_EQ(QApplication::focusWidget(), run->name());
    EXPECT_EQ(run->name()->selectedText(), "Ann");
    QTest::keyClicks(QApplication::focusWidget(), "Bob");
    EXPECT_EQ(game.formWelcome.txtName.caption, "Bob");
}

} // namespace
} // namespace quintel::qttest
