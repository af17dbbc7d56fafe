#include "opponent/engine/engine.h"

#include "model/number_text.h"
#include "opponent/engine/engine_work.h"

namespace quintel {

Form1::Form1(HistorySink* history) : history_(history) {}

Chance Form1::Prob1(std::string_view strHold, std::string_view strCall) const {
    return EngineWork(history_).Prob1(strHold, strCall);
}

Chance Form1::Prob2(std::string_view strFix, std::string_view strCall) const {
    return EngineWork(history_).Prob2(strFix, strCall);
}

Chance Form1::SameLevel(std::string_view strHold, std::string_view strCall) const {
    return EngineWork(history_).SameLevel(strHold, strCall);
}

Chance Form1::beatChance(std::string_view hold, std::string_view call) const {
    EngineWork work(history_);
    return work.SameLevel(hold, call) + work.Prob1(hold, call);
}

HoldChoice Form1::searchHold(std::string_view strCall, std::string_view strDice,
                             std::string_view strFix, bool choose, EngineOptions options) const {
    EngineWork work(history_, options);
    work.NewCalProb(strCall, strDice, strFix, choose ? 1 : 0);
    return HoldChoice{work.BestHold, work.BestProb};
}

std::string Form1::NewCalProb(std::string_view strCall, std::string_view strDice,
                              std::string_view strFix, int intChoose, EngineOptions options) const {
    HoldChoice best = searchHold(strCall, strDice, strFix, intChoose != 0, options);
    return intChoose == 0 ? best.hold : numberText(best.chance.value());
}

} // namespace quintel
