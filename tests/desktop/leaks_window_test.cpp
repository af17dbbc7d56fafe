#include "desktop/leaks_window.h"
#include "desktop/statistics_window.h"
#include "testing/scripted_message_boxes.h"
#include "testing/temp_folder.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quintel::qttest {
namespace {

// Ann opens with a pair of sixes on 66123; the computer keeps the sixes, throws 612 and calls
// three sixes, which she does not trust.
GameRecord openingWithSixes(RuleOptions options) {
    GameRecord game;
    game.player = "Ann";
    game.started = "2026-12-09T02:14:44.123Z";
    game.ended = "2026-12-09T02:15:44.123Z";
    game.opponent = "expert";
    game.fixAny = options.fixAny;
    game.fixPermanent = options.fixPermanent;
    game.calls = {{Seat::Human, "66", ""}, {Seat::Computer, "666", "66"}};
    game.thrownBeforeCall = {"66123", "612"};
    game.outcome = {Seat::Human, Seat::Computer, "666", "66612"};
    game.humanThrows = "66123";
    game.computerThrows = "612";
    return game;
}

class SolvedFolder : public DecisionAppraiser {
public:
    std::optional<SolvedChances> appraise(const GameRecord&, const PlayerDecision&) const override {
        return std::nullopt;
    }
    std::filesystem::path solvedFolder() const override { return QUINTEL_SOLVED_DATA; }
};

TEST(LeaksWindow, StatisticsOpenItAndItShowsTheFiguresOfEachOptionSetOrSaysThereAreTooFewGames) {
    TempFolder folder;
    {
        RecordBook book(RecordBook::pathIn(folder.path()), true);
        for (int i = 0; i < 25; ++i) {
            book.add(openingWithSixes({}));
        }
        for (int i = 0; i < 3; ++i) {
            book.add(openingWithSixes({true, false}));
        }
    }
    ScriptedMessageBoxes messages;
    StatisticsWindow statistics(folder.path(), {"Ann", 1}, messages);
    const SolvedFolder solved;
    statistics.appraiser = &solved;
    auto* button = statistics.findChild<QPushButton*>(QStringLiteral("leaks"));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());

    // Closed while it works, it goes without waiting; opened again, it starts afresh.
    button->click();
    ASSERT_NE(statistics.leaks(), nullptr);
    EXPECT_TRUE(statistics.leaks()->working());
    statistics.leaks()->close();
    QTest::qWait(0);
    ASSERT_EQ(statistics.leaks(), nullptr);

    button->click();
    LeaksWindow* leaks = statistics.leaks();
    ASSERT_NE(leaks, nullptr);
    EXPECT_EQ(leaks->windowTitle(), "Leaks of Ann");
    QSignalSpy done(leaks, &LeaksWindow::done);
    ASSERT_TRUE(done.wait(120000));
    EXPECT_FALSE(leaks->working());
    const std::string figures = leaks->figuresText().toStdString();
    EXPECT_NE(figures.find("No options\nA perfect opponent would win "), std::string::npos)
        << figures;
    EXPECT_NE(figures.find("Where you lose the most:\n1. you "), std::string::npos) << figures;
    EXPECT_NE(figures.find("From 25 games."), std::string::npos) << figures;
    EXPECT_NE(figures.find("Fix Any\nToo few games to tell your habits from chance: 3 played, "
                           "20 needed."),
              std::string::npos)
        << figures;

    statistics.setScope({});
    statistics.reload();
    EXPECT_FALSE(button->isEnabled()) << "everyone's statistics have no leaks of their own";
}

} // namespace
} // namespace quintel::qttest
