#include "solver/solved_game.h"

#include "solver/lp_stage_solver.h"

#include <cmath>
#include <limits>
#include <map>
#include <mutex>

namespace quintel::solver {

// The stage strategies rebuilt or solved so far, each kept for the game's life so that pointers
// to them stay valid, and the values of the stages solved on request.
struct SolvedGame::Unpacked {
    std::mutex lock;
    std::vector<std::unique_ptr<const StageStrategy>> bySlot;
    std::map<std::size_t, double> solvedValues;
};

SolvedGame::SolvedGame(std::shared_ptr<const GameTables> tables)
    : tables_(std::move(tables)), unpacked_(std::make_unique<Unpacked>()) {
    const auto calls = static_cast<std::size_t>(tables_->callCount());
    const auto sets = static_cast<std::size_t>(tables_->sets().count());
    values_.assign(static_cast<std::size_t>(tables_->holdingCount()) * calls, 0.0);
    choices_.assign(values_.size(), kNoMove);
    stageValues_.assign((calls + 1) * sets, std::numeric_limits<double>::quiet_NaN());
    strategyOf_.assign(stageValues_.size(), 0);
    unpacked_->bySlot.resize(stageValues_.size());
}

SolvedGame::SolvedGame(SolvedGame&&) noexcept = default;
SolvedGame& SolvedGame::operator=(SolvedGame&&) noexcept = default;
SolvedGame::~SolvedGame() = default;

void SolvedGame::pack(std::vector<StageStrategy> bySlot) {
    strategies_ = {};
    std::uint32_t next = 0;
    for (const auto& [call, kept] : stages()) {
        const std::size_t slot = stageSlot(call, kept);
        strategies_.append(bySlot[slot]);
        strategyOf_[slot] = next++;
    }
}

std::size_t SolvedGame::stageSlot(int lastCall, int kept) const {
    return static_cast<std::size_t>(lastCall + 1) *
               static_cast<std::size_t>(tables_->sets().count()) +
           static_cast<std::size_t>(kept);
}

std::optional<std::size_t> SolvedGame::positionSlot(int call, int hand, int locked) const {
    if (call < 0 || call >= tables_->callCount() || hand < 0 || hand >= tables_->sets().count() ||
        locked < 0 || locked >= tables_->sets().count()) {
        return std::nullopt;
    }
    const int holding = tables_->holdingIndex(hand, locked);
    if (holding < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(holding) * static_cast<std::size_t>(tables_->callCount()) +
           static_cast<std::size_t>(call);
}

double SolvedGame::openValue() const {
    return *stageValue(-1, tables_->sets().empty());
}

std::optional<double> SolvedGame::stageValue(int lastCall, int kept) const {
    if (lastCall < -1 || lastCall >= tables_->callCount() || kept < 0 ||
        kept >= tables_->sets().count()) {
        return std::nullopt;
    }
    const double value = stageValues_[stageSlot(lastCall, kept)];
    return std::isnan(value) ? std::nullopt : std::optional(value);
}

const StageStrategy* SolvedGame::stageStrategy(int lastCall, int kept) const {
    if (!stageValue(lastCall, kept)) {
        return nullptr;
    }
    const std::size_t slot = stageSlot(lastCall, kept);
    const std::scoped_lock hold(unpacked_->lock);
    auto& strategy = unpacked_->bySlot[slot];
    if (!strategy) {
        strategy = std::make_unique<const StageStrategy>(strategies_.at(strategyOf_[slot]));
    }
    return strategy.get();
}

std::optional<SolvedGame::Stage> SolvedGame::anyStage(int lastCall, int kept) const {
    if (lastCall < -1 || lastCall >= tables_->callCount() || kept < 0 ||
        kept >= tables_->sets().count()) {
        return std::nullopt;
    }
    if (const auto value = stageValue(lastCall, kept)) {
        return Stage{stageStrategy(lastCall, kept), *value, true};
    }
    const std::size_t slot = stageSlot(lastCall, kept);
    const std::scoped_lock hold(unpacked_->lock);
    auto& strategy = unpacked_->bySlot[slot];
    if (!strategy) {
        const StageGame stage(*tables_, lastCall, kept, values_);
        StageSolution solution = LpStageSolver().solve(stage, {});
        strategy = std::make_unique<const StageStrategy>(std::move(solution.strategy));
        unpacked_->solvedValues[slot] = solution.check.value();
    }
    return Stage{strategy.get(), unpacked_->solvedValues.at(slot), false};
}

std::size_t SolvedGame::stagesSolvedOnDemand() const {
    const std::scoped_lock hold(unpacked_->lock);
    return unpacked_->solvedValues.size();
}

std::optional<double> SolvedGame::positionValue(int call, int hand, int locked) const {
    if (const auto slot = positionSlot(call, hand, locked)) {
        return values_[*slot];
    }
    return std::nullopt;
}

std::optional<std::uint16_t> SolvedGame::positionChoice(int call, int hand, int locked) const {
    if (const auto slot = positionSlot(call, hand, locked)) {
        return choices_[*slot];
    }
    return std::nullopt;
}

double SolvedGame::callAtOnce(int holding, int call) const {
    const int hand = tables_->holding(holding).hand;
    const double trusted =
        1 -
        values_[static_cast<std::size_t>(holding) * static_cast<std::size_t>(tables_->callCount()) +
                static_cast<std::size_t>(call)];
    return std::min(tables_->covers(hand, call) ? 1.0 : 0.0, trusted);
}

std::vector<std::pair<int, int>> SolvedGame::stages() const {
    std::vector<std::pair<int, int>> list;
    for (int call = tables_->callCount() - 1; call >= -1; --call) {
        for (int kept = 0; kept < tables_->sets().count(); ++kept) {
            if (!std::isnan(stageValues_[stageSlot(call, kept)])) {
                list.emplace_back(call, kept);
            }
        }
    }
    return list;
}

namespace {

// The order of stages(): later calls first, and kept sets in their order within a call.
bool listedBefore(std::pair<int, int> earlier, std::pair<int, int> later) {
    return earlier.first != later.first ? earlier.first > later.first
                                        : earlier.second < later.second;
}

} // namespace

SolvedGame::Parts SolvedGame::parts() const {
    Parts parts{variant(),   options(), stages(),    {},
                strategies_, choices_,  largestGap_, iterations_};
    for (const auto& [call, kept] : parts.stages) {
        parts.stageValues.push_back(stageValues_[stageSlot(call, kept)]);
    }
    return parts;
}

std::optional<SolvedGame> SolvedGame::fromParts(Parts parts) {
    if (!isSupported(parts.variant)) {
        return std::nullopt;
    }
    SolvedGame game(std::make_shared<const GameTables>(parts.variant, parts.options));
    const GameTables& tables = *game.tables_;
    if (parts.choices.size() != game.choices_.size() ||
        parts.stageValues.size() != parts.stages.size() ||
        parts.strategies.stageCount() != parts.stages.size() ||
        !parts.strategies.fitsTogether(tables.callCount())) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < parts.stages.size(); ++i) {
        const auto [call, kept] = parts.stages[i];
        if (call < -1 || call >= tables.callCount() || kept < 0 || kept >= tables.sets().count() ||
            std::isnan(parts.stageValues[i])) {
            return std::nullopt;
        }
        // The stages come in the order stages() lists them, each once: the strategies are kept in
        // that order, so a stage given twice or out of place would pair a stage with another's.
        if (i > 0 && !listedBefore(parts.stages[i - 1], parts.stages[i])) {
            return std::nullopt;
        }
        const std::size_t slot = game.stageSlot(call, kept);
        game.stageValues_[slot] = parts.stageValues[i];
        game.strategyOf_[slot] = static_cast<std::uint32_t>(i);
        const std::uint32_t types =
            parts.strategies.typeBegin[i + 1] - parts.strategies.typeBegin[i];
        if (static_cast<std::size_t>(types) !=
            tables.sets().ofSize(tables.variant().dice - tables.sets().diceIn(kept)).size()) {
            return std::nullopt;
        }
    }
    game.strategies_ = std::move(parts.strategies);
    game.choices_ = std::move(parts.choices);
    game.largestGap_ = parts.largestGap;
    game.iterations_ = parts.iterations;
    // Each value is the stage value or the call at once that the solve chose, in the same order.
    const auto calls = static_cast<std::size_t>(tables.callCount());
    for (int call = tables.callCount() - 1; call >= 0; --call) {
        for (int holding = 0; holding < tables.holdingCount(); ++holding) {
            const std::size_t slot =
                static_cast<std::size_t>(holding) * calls + static_cast<std::size_t>(call);
            const std::uint16_t choice = game.choices_[slot];
            if (choice == kNoMove) {
                game.values_[slot] = 0;
            } else if (choice & kKeepFlag) {
                const int kept = choice & ~kKeepFlag;
                const auto value = game.stageValue(call, kept);
                if (!value) {
                    return std::nullopt;
                }
                game.values_[slot] = *value;
            } else if (choice > call && choice < tables.callCount()) {
                game.values_[slot] = game.callAtOnce(holding, choice);
            } else {
                return std::nullopt;
            }
        }
    }
    return game;
}

} // namespace quintel::solver
