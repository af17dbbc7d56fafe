#pragma once

#include "model/rule_options.h"
#include "solver/packed_strategies.h"
#include "solver/positions.h"
#include "solver/stage_game.h"
#include "solver/stage_solution.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quintel::solver {

// The game solved for both seats under one option set: the value of every position and stage for
// the seat to move (its chance to win the game when both seats play best from there on), and the
// equilibrium strategies of every stage.
//
// Calls are numbered weakest first (GameTables::callSet gives their dice); sets of dice are
// DiceSets indices. A position is (last call, the N public dice, the dice locked by
// "Fix Permanent"); a stage is (last call or -1 for the opening, the dice kept before a throw).
//
//   SolvedGame game = SolvedGame::solve(kRealGame, {.fixAny = true});
//   game.openValue();                       // the opener's chance to win
//   game.stageValue(call, kept);            // after keeping `kept` when `call` was trusted
//   game.positionValue(call, hand, locked); // for the seat that has just trusted `call`
//   game.stageStrategy(call, kept);         // mixed calls per throw, chance of trust per call
class SolvedGame {
public:
    // How a position's value is reached: calling at once, or keeping dice and throwing the rest.
    // The code is the call made at once, or kKeepFlag plus the DiceSets index of the kept dice;
    // kNoMove where no call beats the last one.
    static constexpr std::uint16_t kKeepFlag = 0x8000;
    static constexpr std::uint16_t kNoMove = 0xFFFF;

    static SolvedGame solve(Variant variant, RuleOptions options,
                            const SolverSettings& settings = {},
                            const std::function<void(int lastCall)>& progress = {});

    const GameTables& tables() const { return *tables_; }
    Variant variant() const { return tables_->variant(); }
    RuleOptions options() const { return tables_->options(); }

    double openValue() const;
    // Nothing when no position of the game leads to this stage (`lastCall` -1: the opening, whose
    // only stage keeps nothing).
    std::optional<double> stageValue(int lastCall, int kept) const;
    // Rebuilt from the packed strategies on first request and kept; safe from several threads.
    const StageStrategy* stageStrategy(int lastCall, int kept) const;
    // Any stage of the game, whether or not a position leads to it: the stored equilibrium, or for
    // a stage the solve did not reach, one solved on first request from the stored positions
    // after it (one stage's linear programme, some 30 ms for the largest) and kept for the game's
    // life. Nothing when the numbers are not a stage of the game. Safe from several threads.
    struct Stage {
        const StageStrategy* strategy = nullptr;
        double value = 0;
        bool stored = false;
    };
    std::optional<Stage> anyStage(int lastCall, int kept) const;
    // How many stages anyStage has had to solve so far.
    std::size_t stagesSolvedOnDemand() const;
    // Nothing when the locked dice are not among the hand (they are ignored without
    // "Fix Permanent").
    std::optional<double> positionValue(int call, int hand, int locked) const;
    std::optional<std::uint16_t> positionChoice(int call, int hand, int locked) const;
    // The values of all positions, holding-major (holding * callCount + call), as StageGame reads
    // them.
    const std::vector<double>& positionValues() const { return values_; }

    // The largest gap of any stage's check, and the iterations the solve took.
    double largestGap() const { return largestGap_; }
    long iterations() const { return iterations_; }

    // Every stage of the game: (last call, kept) pairs with a value, from the strongest last call
    // down, the opening last.
    std::vector<std::pair<int, int>> stages() const;

    // Parts for the data file, which rebuilds a game from them.
    struct Parts {
        Variant variant;
        RuleOptions options;
        std::vector<std::pair<int, int>> stages;
        std::vector<double> stageValues;
        PackedStrategies strategies;        // in the order of `stages`
        std::vector<std::uint16_t> choices; // holding-major like the values
        double largestGap = 0;
        long iterations = 0;
    };
    Parts parts() const;
    // Rebuilds the position values from the choices. Nothing when the parts do not fit together.
    static std::optional<SolvedGame> fromParts(Parts parts);

    SolvedGame(SolvedGame&&) noexcept;
    SolvedGame& operator=(SolvedGame&&) noexcept;
    ~SolvedGame();

private:
    explicit SolvedGame(std::shared_ptr<const GameTables> tables);
    // Packs the strategies of a solve, one per stage slot, in the order of stages().
    void pack(std::vector<StageStrategy> bySlot);
    std::size_t stageSlot(int lastCall, int kept) const;
    std::optional<std::size_t> positionSlot(int call, int hand, int locked) const;
    double callAtOnce(int holding, int call) const;

    std::shared_ptr<const GameTables> tables_;
    std::vector<double> values_;
    std::vector<std::uint16_t> choices_;
    std::vector<double> stageValues_; // (lastCall + 1) * set count + kept; NaN for no stage
    PackedStrategies strategies_;
    std::vector<std::uint32_t> strategyOf_; // per stage slot, into strategies_
    struct Unpacked;
    std::unique_ptr<Unpacked> unpacked_;
    double largestGap_ = 0;
    long iterations_ = 0;
};

} // namespace quintel::solver
