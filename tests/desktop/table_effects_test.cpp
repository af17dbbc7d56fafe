#include "desktop/colour_scheme.h"
#include "desktop/desktop_wishes.h"
#include "desktop/die_button_widget.h"
#include "desktop/preferences.h"
#include "desktop/settings_menu.h"
#include "desktop/table_effects.h"
#include "desktop/windows.h"
#include "testing/table_fixture.h"
#include "tests/desktop/fake_screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace quintel::qttest {
namespace {

// Message boxes that bring the windows up to date before each box, as the program's do.
class RefreshingBoxes : public ScriptedMessageBoxes {
public:
    std::function<void()> beforeShow;
    MessageAnswer show(std::string_view text, MessageButtons buttons) override {
        if (beforeShow) {
            beforeShow();
        }
        return ScriptedMessageBoxes::show(text, buttons);
    }
};

// The table with a scripted computer, its effects noticed after every refresh.
class TableEffectsTest : public ::testing::Test {
protected:
    TempFolder folder;
    RefreshingBoxes messages;
    RandomSource random{7};
    Game game{folder.path(), messages, random};
    testing::ScriptedComputer computer{game};
    Windows windows{game, [] {}};
    ScreenWindow& table = windows.windowOf(game.formStart);
    ScreenWindow& dialog = windows.windowOf(game.formCall);
    TableEffects effects{game.formStart, game.match, table};
    std::vector<TableEffects::Sound> heard;

    TableEffectsTest() {
        game.computer = &computer;
        messages.beforeShow = [this] { windows.refresh(); };
        QObject::connect(&windows, &Windows::refreshed, &effects, &TableEffects::noticeChanges);
        QObject::connect(&effects, &TableEffects::sound,
                         [this](TableEffects::Sound sound) { heard.push_back(sound); });
        game.start();
        windows.refresh();
    }
    void click(ScreenWindow& window, std::string_view name, int index = -1) {
        auto* button = qobject_cast<QAbstractButton*>(window.widgetNamed(name, index));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    DieButtonWidget& die(int index) {
        return *qobject_cast<DieButtonWidget*>(table.widgetNamed("Dice", index));
    }
    std::vector<int> tumbling() {
        std::vector<int> dice;
        for (int index = 0; index < 5; ++index) {
            if (die(index).tumbling()) {
                dice.push_back(index);
            }
        }
        return dice;
    }
    void signIn() {
        game.formWelcome.txtName.edited("Ann");
        click(windows.windowOf(game.formWelcome), "btnOK");
        ASSERT_TRUE(table.isVisible());
    }
    void call(int face, int count) {
        click(table, "Call1");
        click(dialog, "Option1", static_cast<int>(callGridIndex(face, count)));
        click(dialog, "OK");
    }
};

using Sound = TableEffects::Sound;

TEST_F(TableEffectsTest, TheFirstThrowTumblesAndRattlesAndACallChimes) {
    signIn();
    EXPECT_EQ(tumbling(), (std::vector{0, 1, 2, 3, 4}));
    EXPECT_EQ(heard, (std::vector{Sound::Throw}));
    // The computer's dice come hidden and are taken over with Trust: no throw of the player's.
    computer.calls("55441", "5544", "55");
    heard.clear();
    call(2, 1);
    EXPECT_EQ(heard, (std::vector{Sound::Call}));
    QTest::qWait(TableEffects::kTumbleMs + 100);
    heard.clear();
    click(table, "Trust");
    EXPECT_TRUE(tumbling().empty());
    EXPECT_TRUE(heard.empty());
}

TEST_F(TableEffectsTest, OnlyTheDiceThrownAgainTumbleAndNoneWithoutAnimation) {
    signIn();
    QTest::qWait(TableEffects::kTumbleMs + 100);
    computer.calls("55441", "5544", "55");
    call(2, 1);
    click(table, "Trust");
    click(table, "Change_Dice");
    click(table, "Dice", 3);
    click(table, "Dice", 4);
    heard.clear();
    std::array<char, 5> before{};
    for (std::size_t index = 0; index < before.size(); ++index) {
        before[index] = game.formStart.Dice[index].caption.front();
    }
    click(table, "Roll");
    // The dice thrown again that show another face tumble; the kept ones stay still.
    std::vector<int> changed;
    for (int index = 0; index < 5; ++index) {
        if (game.formStart.Dice[static_cast<std::size_t>(index)].caption.front() !=
            before[static_cast<std::size_t>(index)]) {
            changed.push_back(index);
        }
    }
    ASSERT_FALSE(changed.empty()) << "the seeded throw changes a face";
    EXPECT_EQ(tumbling(), changed);
    EXPECT_TRUE(std::all_of(changed.begin(), changed.end(), [](int die) { return die >= 3; }));
    EXPECT_EQ(heard, (std::vector{Sound::Throw}));

    QTest::qWait(TableEffects::kTumbleMs + 100);
    effects.setAnimated(false);
    // The computer does not trust the player's three fives; the next match's throw is heard but
    // tumbles no die.
    computer.challenges();
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Ok);
    messages.answer(MessageAnswer::Yes);
    heard.clear();
    call(5, 3);
    EXPECT_EQ(heard, (std::vector{Sound::Verdict, Sound::Throw}));
    EXPECT_TRUE(tumbling().empty());
}

TEST_F(TableEffectsTest, TheVerdictIsHeardWhenTheGameIsCounted) {
    signIn();
    computer.challenges();
    heard.clear();
    call(6, 2);
    // Heard as the verdict's box opens, once.
    EXPECT_EQ(std::count(heard.begin(), heard.end(), Sound::Verdict), 1) << heard.size();
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(heard.front(), Sound::Verdict);
}

TEST(ColourScheme, TheDarkPaletteIsDarkAndHighlightedLogLinesStayReadableInBoth) {
    const QPalette light = QApplication::style()->standardPalette();
    const QPalette dark = darkPalette();
    EXPECT_FALSE(isDark(light));
    EXPECT_TRUE(isDark(dark));
    for (const QPalette& palette : {light, dark}) {
        const int text = palette.color(QPalette::Text).lightness();
        const int highlight = logHighlight(palette).lightness();
        EXPECT_GT(std::abs(text - highlight), 120) << "text on the highlight";
    }
    applyColours(ColourChoice::Dark, false);
    EXPECT_TRUE(isDark(QApplication::palette()));
    EXPECT_EQ(chartTheme(), QChart::ChartThemeDark);
    applyColours(ColourChoice::Desktop, false);
    EXPECT_FALSE(isDark(QApplication::palette()));
    EXPECT_EQ(chartTheme(), QChart::ChartThemeLight);
}

TEST(DesktopWishes, ReadsDarkColoursAndLessMotionWhereTheDesktopsKeepThem) {
    TempFolder config;
    const QString folder = QString::fromStdString(config.path().string());
    qunsetenv("GTK_THEME");
    EXPECT_EQ(settingsPreferDark(folder), std::nullopt);
    EXPECT_FALSE(settingsReduceMotion(folder));
    std::filesystem::create_directories(config.path() / "gtk-3.0");
    std::ofstream(config.path() / "gtk-3.0" / "settings.ini")
        << "[Settings]\ngtk-application-prefer-dark-theme=1\ngtk-enable-animations=false\n";
    EXPECT_EQ(settingsPreferDark(folder), true);
    EXPECT_TRUE(settingsReduceMotion(folder));
    std::filesystem::remove(config.path() / "gtk-3.0" / "settings.ini");
    std::ofstream(config.path() / "kdeglobals")
        << "[General]\nColorScheme=BreezeDark\n\n[KDE]\nAnimationDurationFactor=0\n";
    EXPECT_EQ(settingsPreferDark(folder), true);
    EXPECT_TRUE(settingsReduceMotion(folder));
    qputenv("GTK_THEME", "Adwaita");
    EXPECT_EQ(settingsPreferDark(folder), false) << "the environment first";
    qunsetenv("GTK_THEME");

    EXPECT_EQ(portalPrefersDark(QVariant(1U)), true);
    EXPECT_EQ(portalPrefersDark(QVariant(2U)), false);
    EXPECT_EQ(portalPrefersDark(QVariant(0U)), std::nullopt);
    EXPECT_EQ(portalPrefersDark(QVariant()), std::nullopt);
}

TEST(SettingsMenu, KeepsWhatThePlayerChoosesAndSaysSo) {
    TempFolder folder;
    const QString file = QString::fromStdString((folder.path() / "Quintel.conf").string());
    {
        QSettings settings(file, QSettings::IniFormat);
        SettingsMenu menu(settings);
        EXPECT_EQ(menu.preferences(), Preferences{});
        std::vector<Preferences> changes;
        QObject::connect(&menu, &SettingsMenu::changed,
                         [&](const Preferences& changed) { changes.push_back(changed); });
        QMenu help;
        QMenu* settingsMenu = menu.addTo(help);
        const QList<QAction*> entries = settingsMenu->actions();
        entries.at(0)->trigger();                          // Sound
        entries.at(2)->trigger();                          // The end of a game in the status line
        entries.at(3)->menu()->actions().at(2)->trigger(); // Colours: dark
        entries.at(4)->menu()->actions().at(3)->trigger(); // Language: French
        entries.at(5)->menu()->actions().at(0)->trigger(); // The Master's risk: none
        ASSERT_EQ(changes.size(), 5U);
        EXPECT_EQ(changes.back(), (Preferences{.sound = false,
                                               .animateDice = true,
                                               .endInStatusLine = true,
                                               .colours = ColourChoice::Dark,
                                               .language = "fr",
                                               .masterRisk = 0}));
        EXPECT_FALSE(entries.at(0)->isChecked());
    }
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_EQ(readPreferences(settings).language, "fr") << "kept for the next run";
    EXPECT_TRUE(readPreferences(settings).endInStatusLine);
    settings.setValue("preferences/language", "xx");
    EXPECT_EQ(readPreferences(settings).masterRisk, 0);
    settings.setValue("preferences/colours", "purple");
    settings.setValue("preferences/masterRisk", 0.5);
    EXPECT_EQ(readPreferences(settings).language, "") << "a language it does not speak";
    EXPECT_EQ(readPreferences(settings).colours, ColourChoice::Desktop);
    EXPECT_EQ(readPreferences(settings).masterRisk, 0.02) << "past what the menu offers";
}

} // namespace
} // namespace quintel::qttest
