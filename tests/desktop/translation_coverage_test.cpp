#include "app/help_texts.h"
#include "desktop/game_review_window.h"
#include "desktop/help_page_window.h"
#include "desktop/info_windows.h"
#include "desktop/profile_chart_window.h"
#include "desktop/screen_window.h"
#include "desktop/settings_menu.h"
#include "desktop/statistics_window.h"
#include "desktop/translations.h"
#include "desktop/windows.h"
#include "model/translation.h"
#include "records/record_book.h"
#include "tests/desktop/fake_screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChart>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

// Gives every text it is asked for back in brackets: a text the program shows without asking a
// translator for it stands out as one no translation would reach.
class BracketingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("[") + QString::fromUtf8(source) + QStringLiteral("]");
    }
    bool isEmpty() const override { return false; }
};

class TranslationCoverageTest : public ::testing::Test {
protected:
    BracketingTranslator brackets;
    QStringList unasked;

    TranslationCoverageTest() {
        QCoreApplication::installTranslator(&brackets);
        translateGameTextsWithQt();
    }
    ~TranslationCoverageTest() override {
        setTranslator({});
        QCoreApplication::removeTranslator(&brackets);
    }
    // Notes a text shown to the player that no translator was asked for: one with letters that
    // does not stand in brackets.
    void check(const QString& where, const QString& text) {
        const bool letters =
            std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
        if (letters && !(text.contains(QLatin1Char('[')) && text.contains(QLatin1Char(']')))) {
            unasked << where + ": " + text;
        }
    }
    void checkMenu(const QString& where, const QMenu& menu) {
        for (const QAction* action : menu.actions()) {
            check(where, action->text());
            if (action->menu() != nullptr) {
                checkMenu(where + " > " + action->text(), *action->menu());
            }
        }
    }
};

TEST_F(TranslationCoverageTest, TheHelpRulesAndAboutPagesAskForEveryText) {
    for (const HelpPage& page : {helpPage(), rulesPage(), aboutPage()}) {
        HelpPageWindow window(page);
        check("title", window.windowTitle());
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text() != QStringLiteral("Quintel ") + QString::fromUtf8(programVersion())) {
                check(window.windowTitle(), label->text());
            }
        }
    }
    EXPECT_TRUE(unasked.isEmpty()) << unasked.join('\n').toStdString();
}

TEST_F(TranslationCoverageTest, TheMenusAskForEveryTextButTheLanguagesOwnNames) {
    GameContext context;
    Windows windows(context.game, [] {});
    TempFolder settingsFolder;
    QSettings settings(QString::fromStdString((settingsFolder.path() / "q.conf").string()),
                       QSettings::IniFormat);
    InfoWindows info(context.game);
    SettingsMenu settingsMenu(settings);
    ScreenWindow& table = windows.windowOf(context.game.formStart);
    info.attach(table);
    settingsMenu.attach(table);
    for (QAction* entry : table.menuBar()->actions()) {
        check("menu bar", entry->text());
        if (entry->menu() != nullptr) {
            QMenu* menu = entry->menu();
            // The languages are named in their own words, for the player who looks for them.
            for (QAction* action : menu->findChildren<QAction*>()) {
                if (action->text() == "English" || action->text() == "Deutsch" ||
                    action->text() == QString::fromUtf8("Français")) {
                    action->setText("[" + action->text() + "]");
                }
            }
            checkMenu(entry->text(), *menu);
        }
    }
    EXPECT_TRUE(unasked.isEmpty()) << unasked.join('\n').toStdString();
}

TEST_F(TranslationCoverageTest, TheStatisticsAndTheReviewAskForTheirOwnTexts) {
    TempFolder folder;
    {
        RecordBook book(RecordBook::pathIn(folder.path()), true);
        GameRecord game;
        game.player = "Ann";
        game.started = "2026-12-09T02:14:44.123Z";
        game.ended = "2026-12-09T02:15:44.123Z";
        game.opponent = "classic";
        game.calls = {{Seat::Human, "2", ""}, {Seat::Computer, "666", ""}};
        game.thrownBeforeCall = {"12345", "66612"};
        game.historyLines = {{1, "Call Up Prob : 0.75\r\nWin Prob : 0.5\r\nCALL STRING : 666\r\n"}};
        game.outcome = {Seat::Human, Seat::Computer, "666", "66612"};
        book.add(game);
    }
    ScriptedMessageBoxes messages;
    StatisticsWindow window(folder.path(), {"Ann", std::nullopt}, messages);
    check("title", window.windowTitle());
    for (int tab = 0; tab < window.tabs().count(); ++tab) {
        check("tab", window.tabs().tabText(tab));
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        check("button", button->text());
    }
    const QAbstractItemModel& games = *window.gamesView().model();
    for (int column = 0; column < games.columnCount(); ++column) {
        check("column", games.headerData(column, Qt::Horizontal).toString());
    }
    for (const QChart* chart : window.charts()) {
        check("chart", chart->title());
    }
    GameReviewWindow* review = window.reviewGame(0);
    ASSERT_NE(review, nullptr);
    check("review", review->windowTitle());
    check("review", review->weighed());
    for (const QAbstractButton* button : review->findChildren<QAbstractButton*>()) {
        check("review button", button->text());
    }
    // The step's heading and account are the record's words, not the window's.
    for (const QLabel* label : review->findChildren<QLabel*>()) {
        if (label->text() != review->heading() && label->text() != review->account()) {
            check("review", label->text());
        }
    }
    ProfileChartWindow profile;
    check("profile", profile.windowTitle());
    EXPECT_TRUE(unasked.isEmpty()) << unasked.join('\n').toStdString();
}

TEST(ChooseLanguage, TakesTheFirstLanguageSpokenAndStopsAtEnglish) {
    EXPECT_EQ(chooseLanguage("", {"de-DE", "fr-FR"}), "de");
    EXPECT_EQ(chooseLanguage("", {"es-ES", "fr-CA", "de"}), "fr") << "no Spanish: French next";
    EXPECT_EQ(chooseLanguage("", {"en-GB", "de-DE"}), "en") << "English first stays English";
    EXPECT_EQ(chooseLanguage("", {"C"}), "en");
    EXPECT_EQ(chooseLanguage("", {"ja-JP"}), "en");
    EXPECT_EQ(chooseLanguage("fr", {"de-DE"}), "fr") << "the player's setting first";
    EXPECT_EQ(chooseLanguage("en", {"de-DE"}), "en");
}

TEST(Catalogues, LieInsideTheProgramForEachLanguageItSpeaks) {
    const std::pair<const char*, const char*> keyboard[] = {{"de", "Tastatur"}, {"fr", "Clavier"}};
    for (const auto& [language, word] : keyboard) {
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral(":/i18n/quintel_") + language)) << language;
        EXPECT_EQ(catalogue.translate("HelpPage", "Keyboard"), QString::fromUtf8(word));
        EXPECT_FALSE(catalogue.translate("quintel::StatisticsWindow", "Statistics").isEmpty());
    }
}

} // namespace
} // namespace quintel::qttest
