#pragma once

#include "model/dice.h"
#include "opponent/engine/chance.h"
#include "opponent/engine/engine_options.h"

#include <array>
#include <string>
#include <string_view>

namespace quintel {

class HistorySink;

// The engine's working state for one question. Form1 builds a fresh one for every public call, so
// no answer can depend on an earlier one. The procedures overwrite the texts they are given, as
// the search relies on (it saves and restores them around each hold it scores).
struct EngineWork {
    explicit EngineWork(HistorySink* historySink, EngineOptions searchOptions = {})
        : history(historySink), options(searchOptions) {}

    HistorySink* history = nullptr;
    EngineOptions options;

    std::string HoldText; // dice kept back
    FaceCounts HoldCount{};
    int HoldShape = 0;
    std::string DiceText; // five dice of a hand
    FaceCounts DiceCount{};
    int DiceShape = 0;
    std::string CallText; // a call or a target hand
    FaceCounts CallCount{};
    int CallShape = 0;
    std::string FixText; // dice fixed earlier
    FaceCounts FixCount{};

    // Outcome class under evaluation.
    std::array<int, 7> GroupSize{};
    std::array<int, 7> PatternCount{};
    int HeldGroups = 0;
    int NewGroups = 0;
    int OutcomeShape = 0;

    // Hold search.
    int CallClass = 0;
    bool DiceBeatsCall = false;
    Chance HoldProb;
    std::string BestHold;
    Chance BestProb;
    std::array<std::string, 31> TriedHolds;
    int TriedCount = 0;
    bool HoldSeen = false;

    void Hold_Arrange();
    void Dice_Arrange();
    void Call_Arrange();
    void Fix_Arrange();
    static int Suggest_Arrange(std::string_view strtemp);

    Chance Prob1(std::string_view strHold, std::string_view strCall);
    Chance Prob2(std::string_view strFix, std::string_view strCall);
    Chance SameLevel(std::string_view strHold, std::string_view strCall);

    // Loads hand x of class CallClass into DiceCount and DiceShape; true when it holds the call.
    bool Check(int x);
    // Loads hand x of class CallClass as Check does; true when it holds the hold.
    bool Check2(int x);
    // Sets DiceBeatsCall: DiceText is five dice of CallText's shape class that beat CallText.
    void Check3();
    // The hold keeps every fixed die.
    bool Check4() const;
    // Every die of the hold is a die of the call.
    bool Check5() const;
    // Scores HoldText (0 when the options forbid it) unless it was tried before (HoldSeen),
    // and makes it BestHold when its chance is higher, or equal with a higher shape score.
    void NewPart();
    // Leaves the answer in BestHold and BestProb.
    void NewCalProb(std::string_view strCall, std::string_view strDice, std::string_view strFix,
                    int intChoose);

private:
    void loadHoldAndCall(std::string_view strHold, std::string_view strCall);
    // Prob2 for the arranged HoldText and CallText as they stand.
    Chance completionChance();
    void countPattern(int code);
    int newFaceChoices() const;
    bool admissible() const;
    Chance scoreHold(const std::string& call);
};

} // namespace quintel
