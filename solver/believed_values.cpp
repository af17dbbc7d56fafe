#include "solver/believed_values.h"

#include "solver/best_response.h"
#include "solver/modelled_player.h"

namespace quintel::solver {

BelievedValues believedValues(const PlayerModel& model) {
    const GameTables& tables = model.tables();
    const ModelledPlayer player(model);
    // The best response's seat is the computer's here, the model's the player's.
    const BestResponse best(player, tables.options());
    const DiceSets& sets = tables.sets();
    const auto calls = static_cast<std::size_t>(tables.callCount());
    BelievedValues values;
    values.computerMoving.assign(static_cast<std::size_t>(tables.holdingCount()) * calls, 0.0);
    values.playerMoving.assign(values.computerMoving.size(), 0.0);
    for (int holding = 0; holding < tables.holdingCount(); ++holding) {
        const FaceCounts& dice = sets.counts(tables.holding(holding).hand);
        const FaceCounts& locked = sets.counts(tables.holding(holding).locked);
        for (std::size_t call = 0; call < calls; ++call) {
            const std::size_t place = static_cast<std::size_t>(holding) * calls + call;
            const auto index = static_cast<CallIndex>(call);
            values.computerMoving[place] = best.positionValue(index, dice, locked);
            values.playerMoving[place] = 1.0 - best.valueWhenTrusted(index, dice, locked);
        }
    }
    return values;
}

} // namespace quintel::solver
