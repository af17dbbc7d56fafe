#include "table/form_start.h"

#include "app/game.h"

namespace quintel {

TableMoment FormStart::guideMoment() const {
    const Game& g = game();
    const match::Match& match = g.match;
    const bool playerToMove = match.inPlay() && match.toMove() == Seat::Human;
    const match::Phase phase = match.phase();
    return {.opening = playerToMove && phase == match::Phase::Opening,
            .countdownShown = lblSecond.visible,
            .callLive = Call1.enabled,
            .callDialogShown = g.formCall.shown(),
            .answering = playerToMove && phase == match::Phase::Answer,
            .trusted =
                playerToMove && (phase == match::Phase::Trusted || phase == match::Phase::Thrown),
            .callsMade = !match.calls().empty(),
            .decided = phase == match::Phase::Decided};
}

void FormStart::followGuide() {
    game().guide.follow(guideMoment());
    showGuideLine(game().guide.statusLine());
}

void FormStart::showGuideLine(const std::string& line) {
    const std::string shown = shownGuideLine_ + "\n";
    if (!shownGuideLine_.empty() && lblStatus.caption.starts_with(shown)) {
        lblStatus.caption.erase(0, shown.size());
    }
    shownGuideLine_ = line;
    if (!line.empty()) {
        lblStatus.caption.insert(0, line + "\n");
    }
}

void FormStart::startGuidedGame() {
    Game& g = game();
    if (g.mayStartGuidedGameNow()) {
        // The dialog of the game given up would compose a call for the new one.
        g.formCall.Unload();
    }
    g.startGuidedGame();
    followGuide();
}

void FormStart::endGuide() {
    game().guide.end();
    showGuideLine({});
}

} // namespace quintel
