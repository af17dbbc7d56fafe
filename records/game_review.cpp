#include "records/game_review.h"

#include "records/computer_weighing.h"

#include <algorithm>
#include <string_view>

namespace quintel {

namespace {

std::string whoCalls(Seat seat) {
    return seat == Seat::Human ? "You" : "The computer";
}

std::string keptAndThrown(const std::string& kept, const std::string& thrown) {
    std::string words;
    if (!kept.empty()) {
        words += " kept " + kept + ",";
    }
    words += thrown.empty() ? " threw no dice" : " threw " + thrown;
    return words;
}

std::string callAccount(const RecordedCall& call, const std::string& thrown) {
    return whoCalls(call.caller) + keptAndThrown(call.fixed, thrown) + " and called " + call.dice +
           ".";
}

std::string endAccount(const GameOutcome& outcome) {
    const std::string distrust = outcome.challenger == Seat::Human
                                     ? "You did not trust the computer's call " + outcome.call + "."
                                     : "The computer did not trust your call " + outcome.call + ".";
    const std::string held = outcome.callHeld() ? "the call held" : "the call did not hold";
    const std::string winner = outcome.winner == Seat::Human ? "you won" : "the computer won";
    return distrust + " The dice were " + outcome.dice + ": " + held + ", and " + winner + ".";
}

ReviewStep callStep(const GameRecord& game, std::size_t index) {
    const RecordedCall& call = game.calls[index];
    ReviewStep step;
    step.seat = call.caller;
    step.heading = "Call " + std::to_string(index + 1) + " of " +
                   std::to_string(game.calls.size()) +
                   (call.caller == Seat::Human ? ", yours" : ", the computer's");
    step.call = call.dice;
    step.kept = call.fixed;
    if (index < game.thrownBeforeCall.size()) {
        step.thrown = game.thrownBeforeCall[index];
    }
    step.account = callAccount(call, step.thrown);
    if (index > 0 && index < game.thrownBeforeCall.size() && step.thrown.empty()) {
        // A call at once: the caller kept every die it took over, whatever the table left fixed.
        step.kept = diceAfterCall(game, index);
        step.account = whoCalls(call.caller) + " threw no dice and called " + call.dice + ".";
    }
    const int made = static_cast<int>(index + 1);
    step.judgement = linesAfterCalls(game, made);
    if (index == 0) {
        // Whatever came before the first call belongs with it.
        std::vector<std::string> before = linesAfterCalls(game, 0);
        step.judgement.insert(step.judgement.begin(), before.begin(), before.end());
    }
    if (call.caller == Seat::Human) {
        step.decision = PlayerDecision{PlayerDecision::Kind::Call, index};
        step.weighed = weighingInWords(step.judgement, call.dice);
    }
    return step;
}

ReviewStep endStep(const GameRecord& game) {
    ReviewStep step;
    step.kind = ReviewStep::Kind::End;
    step.seat = game.outcome.challenger;
    step.heading = "The end";
    step.call = game.outcome.call;
    step.revealed = game.outcome.dice;
    step.account = endAccount(game.outcome);
    if (game.outcome.challenger == Seat::Human && !game.calls.empty()) {
        step.decision = PlayerDecision{PlayerDecision::Kind::Challenge, game.calls.size() - 1};
    }
    return step;
}

} // namespace

std::string diceAfterCall(const GameRecord& game, std::size_t index) {
    for (std::size_t call = std::min(index + 1, game.thrownBeforeCall.size()); call-- > 0;) {
        const std::string& thrown = game.thrownBeforeCall[call];
        if (!thrown.empty() && call < game.calls.size()) {
            return game.calls[call].fixed + thrown;
        }
    }
    return {};
}

std::vector<std::string> linesAfterCalls(const GameRecord& game, int calls) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::vector<std::string> lines;
    for (const HistoryLine& line : game.historyLines) {
        if (line.afterCalls != calls) {
            continue;
        }
        std::string_view rest = line.text;
        while (!rest.empty()) {
            const std::size_t end = rest.find(kLineEnd);
            const std::string_view piece = rest.substr(0, end);
            if (!piece.empty()) {
                lines.emplace_back(piece);
            }
            rest = end == std::string_view::npos ? std::string_view{}
                                                 : rest.substr(end + kLineEnd.size());
        }
    }
    return lines;
}

std::vector<ReviewStep> reviewSteps(const GameRecord& game, const DecisionAppraiser* appraiser) {
    std::vector<ReviewStep> steps;
    for (std::size_t index = 0; index < game.calls.size(); ++index) {
        steps.push_back(callStep(game, index));
    }
    steps.push_back(endStep(game));
    if (appraiser != nullptr) {
        for (ReviewStep& step : steps) {
            if (step.decision) {
                step.solved = appraiser->appraise(game, *step.decision);
            }
        }
    }
    return steps;
}

GameReview::GameReview(GameRecord game, const DecisionAppraiser* appraiser)
    : game_(std::move(game)), steps_(reviewSteps(game_, appraiser)) {}

bool GameReview::next() {
    if (atLast()) {
        return false;
    }
    ++position_;
    return true;
}

bool GameReview::previous() {
    if (atFirst()) {
        return false;
    }
    --position_;
    return true;
}

} // namespace quintel
